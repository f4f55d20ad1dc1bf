#include "registry/registry_platform.h"

#include "app/win32.h"

namespace {

// wtsapi32 is no KnownDLL: it is loaded from the system directory only, on
// first use. Without it there is no token and the per-user root falls back.
BOOL WINAPI QueryUserTokenFromSystem(ULONG sessionId, HANDLE* token) {
  using Query = BOOL(WINAPI*)(ULONG, HANDLE*);
  static Query query = [] {
    HMODULE wtsapi = LoadSystemLibrary(L"wtsapi32.dll");
    return wtsapi ? reinterpret_cast<Query>(
                        reinterpret_cast<void*>(::GetProcAddress(wtsapi, "WTSQueryUserToken")))
                  : nullptr;
  }();
  if (query == nullptr) {
    ::SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  return query(sessionId, token);
}

}  // namespace

RegistryPlatform g_registryPlatform = {
    ::ProcessIdToSessionId,
    ::WTSGetActiveConsoleSessionId,
    QueryUserTokenFromSystem,
    ::ImpersonateLoggedOnUser,
    ::RevertToSelf,
    ::CloseHandle,
    ::RegOpenCurrentUser,
    ::RegCloseKey,
    ::ExitProcess,
};

bool IsPredefinedRoot(HKEY key) {
  return key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE ||
         key == HKEY_USERS;
}

LONG OpenKey(HKEY root, const std::u16string& subKey, REGSAM access, ScopedKey& key) {
  HKEY opened = nullptr;
  const LONG status = ::RegOpenKeyExW(root, W(subKey), 0, access, &opened);
  key.Reset(status == ERROR_SUCCESS ? opened : nullptr);
  return status;
}
