#include "setup/run_setup.h"

#include <shlobj.h>

#include "app/run_state.h"
#include "app/win32.h"
#include "setup/commands.h"
#include "setup/run_and_wait.h"

void(WINAPI* g_notifyShell)(LONG, UINT, LPCVOID, LPCVOID) = ::SHChangeNotify;

void RunSetup() {
  if (g_runState.uninstallAttempted && !g_runState.uninstallSucceeded) return;
  const RunResult setup = RunAndWait(SetupCommand(g_runState.silent));
  if (setup.started) g_notifyShell(SHCNE_UPDATEIMAGE, SHCNF_FLUSH, nullptr, nullptr);
}
