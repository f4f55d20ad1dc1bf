#include "app/decision_flow.h"
#include "app/gdiplus.h"
#include "app/run_state.h"
#include "app/win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandTail, int) {
  // An installer's first program often runs from a downloads folder: no DLL
  // is ever looked for beside it.
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  g_runState.moduleHandle = instance;
  ULONG_PTR gdiplus = 0;
  if (!StartGdiplus(gdiplus)) return 0;
  RunDecisionFlow(U16(commandTail));
  ShutdownGdiplus(gdiplus);
  return 0;
}
