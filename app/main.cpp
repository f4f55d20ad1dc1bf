#include "app/decision_flow.h"
#include "app/run_state.h"
#include "app/win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandTail, int) {
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  g_runState.moduleHandle = instance;
  RunDecisionFlow(U16(commandTail));
  return 0;
}
