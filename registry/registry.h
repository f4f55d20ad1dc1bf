// Registry accessor: a root and one remembered sub-key. Every operation opens
// what it needs, does one thing and closes it again; a per-user root is
// resolved to the session or console user's hive anew each time.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class CRegistry {
 public:
  CRegistry() = default;
  virtual ~CRegistry();
  CRegistry(const CRegistry&) = delete;
  CRegistry& operator=(const CRegistry&) = delete;

  // 1 when the sub-key opened for reading, or was created with full access.
  int32_t Open(const std::u16string& subKey, int32_t create);
  // 1 only when the key opens with full access.
  int32_t KeyExists(const std::u16string& subKey);
  DWORD GetValueType(const std::u16string& valueName);
  // The text of a REG_SZ or REG_EXPAND_SZ value of at most 2048 bytes, unexpanded; else empty.
  std::u16string ReadString(const std::u16string& valueName);
  uint32_t ReadCloudEnable();
  // Writes the value as REG_DWORD 1.
  int32_t SetFlagValue(const std::u16string& valueName);
  // The per-user hive of the impersonated user, or `root` when it cannot be opened.
  HKEY ResolveRoot();

  LONG lastError = 0;
  HKEY root = HKEY_CURRENT_USER;
  std::u16string path;
  DWORD lazyWrite = 1;
  DWORD use64BitView = 0;

 private:
  REGSAM Access(REGSAM access) const { return use64BitView ? access | KEY_WOW64_64KEY : access; }
  HKEY EffectiveRoot() { return root == HKEY_CURRENT_USER ? ResolveRoot() : root; }
};

// An accessor on HKEY_LOCAL_MACHINE with every other setting at its default,
// as each detection operation makes its own.
struct MachineRegistry : CRegistry {
  MachineRegistry() { root = HKEY_LOCAL_MACHINE; }
};
