#include "registry/backup.h"

#include "app/run_state.h"
#include "app/win32.h"
#include "setup/run_and_wait.h"

int32_t ExportRegistryKey(const std::u16string& fileName, const std::u16string& keyArgument) {
  return RunAndWait(u"regedit.exe /e " + fileName + u" " + keyArgument).started ? 1 : 0;
}

void RestoreRegistryFile(const std::u16string& fileName) {
  if (g_runState.uninstallSucceeded && !RunAndWait(u"regedit.exe -s " + fileName).started) return;
  ::DeleteFileW(W(fileName));
}
