#include "registry/registry.h"

#include "app/scoped.h"
#include "app/win32.h"
#include "registry/impersonate_user.h"
#include "registry/registry_data.h"
#include "registry/registry_platform.h"

namespace {

constexpr DWORD kStringBufferBytes = 2048;

}  // namespace

CRegistry::~CRegistry() = default;

HKEY CRegistry::ResolveRoot() {
  HKEY hive = nullptr;
  LONG status;
  {
    CImpersonateUser user;
    status = g_registryPlatform.openCurrentUser(KEY_ALL_ACCESS, &hive);
  }
  return status == ERROR_SUCCESS ? hive : root;
}

int32_t CRegistry::Open(const std::u16string& subKey, int32_t create) {
  ScopedKey effectiveRoot(EffectiveRoot());
  if (subKey.empty()) {
    path.clear();
    return 1;
  }
  ScopedKey key;
  LONG status;
  if (create) {
    HKEY created = nullptr;
    status = ::RegCreateKeyExW(effectiveRoot.Get(), W(subKey), 0, nullptr, 0, Access(KEY_ALL_ACCESS), nullptr,
                               &created, nullptr);
    if (status == ERROR_SUCCESS) key.Reset(created);
  } else {
    status = OpenKey(effectiveRoot.Get(), subKey, Access(KEY_READ), key);
    lastError = status;
  }
  if (status != ERROR_SUCCESS) return 0;
  path = subKey;
  if (!lazyWrite) ::RegFlushKey(key.Get());
  return 1;
}

int32_t CRegistry::KeyExists(const std::u16string& subKey) {
  ScopedKey effectiveRoot(EffectiveRoot());
  ScopedKey key;
  return OpenKey(effectiveRoot.Get(), subKey, Access(KEY_ALL_ACCESS), key) == ERROR_SUCCESS ? 1 : 0;
}

DWORD CRegistry::GetValueType(const std::u16string& valueName) {
  ScopedKey effectiveRoot(EffectiveRoot());
  ScopedKey key;
  lastError = OpenKey(effectiveRoot.Get(), path, Access(KEY_QUERY_VALUE), key);
  if (lastError != ERROR_SUCCESS) return REG_NONE;
  DWORD type = REG_NONE;
  lastError = ::RegQueryValueExW(key.Get(), W(valueName), nullptr, &type, nullptr, nullptr);
  return lastError == ERROR_SUCCESS ? type : REG_NONE;
}

std::u16string CRegistry::ReadString(const std::u16string& valueName) {
  const DWORD type = GetValueType(valueName);
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
  ScopedKey effectiveRoot(EffectiveRoot());
  ScopedKey key;
  lastError = OpenKey(effectiveRoot.Get(), path, Access(KEY_READ), key);
  if (lastError != ERROR_SUCCESS) return {};
  BYTE data[kStringBufferBytes];
  DWORD size = sizeof(data);
  lastError = ::RegQueryValueExW(key.Get(), W(valueName), nullptr, nullptr, data, &size);
  if (lastError != ERROR_SUCCESS) return {};
  // The data need not be terminated: the returned count bounds the text.
  return BoundedRegistryString(data, size < sizeof(data) ? size : sizeof(data));
}

uint32_t CRegistry::ReadCloudEnable() {
  ScopedKey effectiveRoot(EffectiveRoot());
  ScopedKey key;
  if (OpenKey(effectiveRoot.Get(), path, Access(KEY_READ), key) != ERROR_SUCCESS) return 0;
  BYTE data[4] = {};
  DWORD size = sizeof(data);
  DWORD type = REG_DWORD;
  if (::RegQueryValueExW(key.Get(), L"CloudEnable", nullptr, &type, data, &size) != ERROR_SUCCESS) return 0;
  return LittleEndianDword(data, size < sizeof(data) ? size : sizeof(data));
}

int32_t CRegistry::SetFlagValue(const std::u16string& valueName) {
  ScopedKey effectiveRoot(EffectiveRoot());
  ScopedKey key;
  if (OpenKey(effectiveRoot.Get(), path, Access(KEY_WRITE), key) != ERROR_SUCCESS) return 0;
  const DWORD one = 1;
  const int32_t written = ::RegSetValueExW(key.Get(), W(valueName), 0, REG_DWORD,
                                           reinterpret_cast<const BYTE*>(&one), sizeof(one)) == ERROR_SUCCESS
                              ? 1
                              : 0;
  if (!lazyWrite) ::RegFlushKey(key.Get());
  return written;
}
