// The program-wide run state: one record, filled in the order of the
// decision flow and read and written directly by every part of the program.
#pragma once

#include <cstdint>
#include <string>

struct RunState {
  int32_t silent = 0;
  int32_t uninstallSucceeded = 0;
  int32_t uninstallAttempted = 0;
  int32_t legacyInstall = 0;
  int32_t markConsumerUpgrade = 0;
  int32_t platformKind = 0;
  int32_t uninstallKeyKind = 0;
  std::u16string productId;
  std::u16string installedCode;
  std::u16string uninstallCommand;
  int32_t titleStringId = 0;
  int32_t missingProductId = 0;
  void* moduleHandle = nullptr;  // HINSTANCE; kept opaque so this header stays portable
};

extern RunState g_runState;
