// Which edition is installed, read from the machine's registry. Each
// operation makes its own accessor on HKEY_LOCAL_MACHINE and discards it.
#pragma once

#include <cstdint>

// 0: the product key names an installed code (now in installedCode);
// -2: no product key (installedCode unchanged); -3: no usable PRODUCTID.
int32_t ReadInstalledProductId();

// Probes the InstallShield uninstall keys of kinds 3, 2, 1; sets
// uninstallKeyKind and uninstallCommand. 0 when a command was read, else -1.
int32_t ProbeUninstallKeys();

// The uninstall command of installedCode's own entry. 0 when read, else -1;
// with no installedCode nothing changes.
int32_t LookUpUninstallForInstalled();

// -1 without a product key, else its CloudEnable (0 when unreadable).
int32_t ReadCloudEnableFlag();

// The kind of the first updater platform key that opens, or 0.
int32_t ProbePlatforms();

// Fills the detection fields of the run state in the order of the decision flow.
void DetectInstalledProduct();
