// The decisions of the run, as plain functions of what detection found:
// no registry, no files, no windows.
#pragma once

#include <cstdint>
#include <string>

#include "app/run_state.h"

// The installed code implied by the CloudEnable result and the platform kind,
// for an installation found only through an uninstall entry.
std::u16string InferInstalledCode(int32_t cloud, int32_t platformKind);

// Detection found an uninstall entry but no product key: infer the installed
// code and settle legacyInstall and markConsumerUpgrade.
void ConcludeFromUninstallEntry(RunState& state, int32_t cloud, int32_t platformKind);

// 106 (Pro caption) or 107, chosen from the package alone.
int32_t ChooseTitleStringId(const std::u16string& productId);

enum class Road {
  kMissingProductId,
  kNothingInstalled,
  kOtherEdition,
  kOlderInstallation,
  kCurrentInstallation,
};

Road ChooseRoad(const RunState& state);

const char* RoadName(Road road);
