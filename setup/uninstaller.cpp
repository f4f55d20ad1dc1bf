#include "setup/uninstaller.h"

#include <tlhelp32.h>

#include "app/detection.h"
#include "app/run_state.h"
#include "app/win32.h"
#include "setup/answer_file_swap.h"
#include "setup/commands.h"
#include "setup/run_and_wait.h"

HANDLE(WINAPI* g_createProcessSnapshot)(DWORD, DWORD) = ::CreateToolhelp32Snapshot;

namespace {

constexpr DWORD kPollMilliseconds = 2000;

// True when the snapshot shows a child of `processId`, or cannot be read.
bool ChildMayBeRunning(uint32_t processId) {
  ScopedHandle snapshot(g_createProcessSnapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.Valid()) return true;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  if (!::Process32FirstW(snapshot.Get(), &entry)) return true;
  do {
    if (entry.th32ParentProcessID == processId) return true;
  } while (::Process32NextW(snapshot.Get(), &entry));
  return false;
}

}  // namespace

void WaitForChildProcesses(uint32_t processId) {
  while (ChildMayBeRunning(processId)) ::Sleep(kPollMilliseconds);
}

void RunUninstaller() {
  g_runState.uninstallAttempted = 1;
  const std::u16string directory = CurrentDirectory();
  const bool swapped = g_runState.silent && SwapAnswerFile();
  if (swapped) {
    g_runState.uninstallCommand += AnswerFileSwitches(directory);
    ::OutputDebugStringW(W(g_runState.uninstallCommand));
  }
  const RunResult uninstaller = RunAndWait(g_runState.uninstallCommand);
  if (uninstaller.started) WaitForChildProcesses(uninstaller.processId);

  // Both lookups rewrite uninstallCommand; the first also uninstallKeyKind.
  if (ProbeUninstallKeys() != 0 && LookUpUninstallForInstalled() != 0) {
    g_runState.uninstallSucceeded = 1;
    ::OutputDebugStringW(L"RunUnInstall successfully");
  }
  if (swapped) RestoreAnswerFile();
}
