#include "app/detection.h"

#include "app/decision.h"
#include "app/product_codes.h"
#include "app/run_state.h"
#include "registry/registry.h"

namespace {

// The UninstallString of the key found (none: empty path), or empty when it cannot be read.
std::u16string ReadUninstallCommand(MachineRegistry& registry, const std::u16string& keyPath) {
  if (keyPath.empty() || !registry.Open(keyPath, 0)) return {};
  return registry.ReadString(u"UninstallString");
}

}  // namespace

int32_t ReadInstalledProductId() {
  MachineRegistry registry;
  if (!registry.Open(productKeyPath, 0)) return -2;
  g_runState.installedCode = registry.ReadString(u"PRODUCTID");
  return g_runState.installedCode.empty() ? -3 : 0;
}

int32_t ProbeUninstallKeys() {
  MachineRegistry registry;
  std::u16string keyPath;
  int32_t kind = 0;
  for (const UninstallKeyKind& candidate : kUninstallKeyKinds) {
    const std::u16string path = UninstallKeyPath(candidate.code);
    if (registry.KeyExists(path)) {
      keyPath = path;
      kind = candidate.kind;
      break;
    }
  }
  g_runState.uninstallKeyKind = kind;
  g_runState.uninstallCommand = ReadUninstallCommand(registry, keyPath);
  return g_runState.uninstallCommand.empty() ? -1 : 0;
}

int32_t LookUpUninstallForInstalled() {
  if (g_runState.installedCode.empty()) return -1;
  MachineRegistry registry;
  std::u16string keyPath = UninstallKeyPath(g_runState.installedCode);
  if (!registry.KeyExists(keyPath)) keyPath.clear();
  g_runState.uninstallCommand = ReadUninstallCommand(registry, keyPath);
  return g_runState.uninstallCommand.empty() ? -1 : 0;
}

int32_t ReadCloudEnableFlag() {
  MachineRegistry registry;
  if (!registry.Open(productKeyPath, 0)) return -1;
  return static_cast<int32_t>(registry.ReadCloudEnable());
}

int32_t ProbePlatforms() {
  MachineRegistry registry;
  for (const PlatformKind& platform : kPlatformKinds) {
    if (registry.Open(PlatformKeyPath(platform.platform), 0)) return platform.kind;
  }
  return 0;
}

void DetectInstalledProduct() {
  if (ReadInstalledProductId() == 0) {
    LookUpUninstallForInstalled();
  } else if (ProbeUninstallKeys() == 0) {
    const int32_t cloud = ReadCloudEnableFlag();
    ConcludeFromUninstallEntry(g_runState, cloud, ProbePlatforms());
  }
}
