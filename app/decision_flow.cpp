#include "app/decision_flow.h"

#include "app/answer_file_settings.h"
#include "app/decision.h"
#include "app/detection.h"
#include "app/product_codes.h"
#include "app/run_state.h"
#include "app/silent_switch.h"
#include "app/win32.h"
#include "registry/backup.h"
#include "registry/maintenance.h"
#include "setup/run_setup.h"
#include "setup/uninstaller.h"
#include "ui/dialogs.h"

namespace {

HINSTANCE Module() { return static_cast<HINSTANCE>(g_runState.moduleHandle); }

void TakeOtherEditionRoad() {
  if (!g_runState.silent && ShowUpgradePrompt(Module()) != 1) return;
  RunUninstaller();
  RunSetup();
}

// The same edition from an older installation: its settings are carried
// across the uninstall through the registry editor's files.
void TakeOlderInstallationRoad() {
  const bool migrate = g_runState.installedCode == kCodeStandard;
  if (migrate && g_runState.uninstallKeyKind == 1) CopyLegacyUserKey();
  g_runState.silent = 1;
  const bool userExported = ExportRegistryKey(u"backup.reg", kUserKeyArgument) != 0;
  const bool machineExported = ExportRegistryKey(u"backup_machine.reg", kMachineKeyArgument) != 0;
  RunUninstaller();
  g_runState.silent = 0;
  if (userExported) RestoreRegistryFile(u"backup.reg");
  if (machineExported) RestoreRegistryFile(u"backup_machine.reg");
  if (migrate) {
    if (g_runState.markConsumerUpgrade) SetConsumerUpgrade();
    SetUpdateHint();
  }
  RunSetup();
}

void TakeCurrentInstallationRoad() {
  if (g_runState.markConsumerUpgrade) SetConsumerUpgrade();
  RunSetup();
}

}  // namespace

void RunDecisionFlow(const std::u16string& commandTail) {
  g_runState.silent = IsSilentCommandLine(commandTail);
  ReadAnswerFileSettings();
  if (g_runState.productId.empty()) {
    g_runState.missingProductId = 1;
    ShowMissingProductIdDialog(Module());
    return;
  }
  g_runState.titleStringId = ChooseTitleStringId(g_runState.productId);
  DetectInstalledProduct();

  switch (ChooseRoad(g_runState)) {
    case Road::kMissingProductId:
      return;  // settled above
    case Road::kNothingInstalled:
      RunSetup();
      return;
    case Road::kOtherEdition:
      TakeOtherEditionRoad();
      return;
    case Road::kOlderInstallation:
      TakeOlderInstallationRoad();
      return;
    case Road::kCurrentInstallation:
      TakeCurrentInstallationRoad();
      return;
  }
}
