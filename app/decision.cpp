#include "app/decision.h"

#include "app/product_codes.h"

std::u16string InferInstalledCode(int32_t cloud, int32_t platformKind) {
  if (cloud == 1) {
    if (platformKind == 6) return kCodeCloudRD;
    if (platformKind == 7) return kCodeCloudMBR;
    return kCodePro;
  }
  if (platformKind == 4) return kCodeWQ;
  return kCodeStandard;
}

void ConcludeFromUninstallEntry(RunState& state, int32_t cloud, int32_t platformKind) {
  state.platformKind = platformKind;
  state.installedCode = InferInstalledCode(cloud, platformKind);
  state.legacyInstall = 1;
  if (state.installedCode == kCodeStandard) {
    // The standard edition's own uninstall key, or the KVTG80 platform, is a
    // current installation: it only gets the marker.
    if (state.uninstallKeyKind == 3 || state.platformKind == 3) state.legacyInstall = 0;
    state.markConsumerUpgrade = 1;
  }
}

int32_t ChooseTitleStringId(const std::u16string& productId) { return productId == kCodePro ? 106 : 107; }

Road ChooseRoad(const RunState& state) {
  if (state.productId.empty()) return Road::kMissingProductId;
  if (state.installedCode.empty()) return Road::kNothingInstalled;
  if (state.installedCode != state.productId) return Road::kOtherEdition;
  if (state.legacyInstall == 1) return Road::kOlderInstallation;
  return Road::kCurrentInstallation;
}

const char* RoadName(Road road) {
  switch (road) {
    case Road::kMissingProductId:
      return "missing-product-id";
    case Road::kNothingInstalled:
      return "nothing-installed";
    case Road::kOtherEdition:
      return "other-edition";
    case Road::kOlderInstallation:
      return "older-installation";
    case Road::kCurrentInstallation:
      return "current-installation";
  }
  return "unknown";
}
