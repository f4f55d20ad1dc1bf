// The session, token, impersonation and hive calls behind the per-user root.
// Tests replace entries to show what the platform cannot (a token query that
// fails for a caller that is not LocalSystem, a revert that fails) and to
// count hive opens and closes.
#pragma once

#include <windows.h>

struct RegistryPlatform {
  BOOL(WINAPI* processIdToSessionId)(DWORD processId, DWORD* sessionId);
  DWORD(WINAPI* activeConsoleSessionId)();
  BOOL(WINAPI* queryUserToken)(ULONG sessionId, HANDLE* token);
  BOOL(WINAPI* impersonateLoggedOnUser)(HANDLE token);
  BOOL(WINAPI* revertToSelf)();
  BOOL(WINAPI* closeHandle)(HANDLE handle);
  LONG(WINAPI* openCurrentUser)(REGSAM access, HKEY* key);
  LONG(WINAPI* closeKey)(HKEY key);
  void(WINAPI* endProcess)(UINT exitCode);
};

extern RegistryPlatform g_registryPlatform;

bool IsPredefinedRoot(HKEY key);

// A registry key; the predefined roots are never closed.
struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr && !IsPredefinedRoot(h); }
  static void Close(Handle h) { g_registryPlatform.closeKey(h); }
};

#include <string>

#include "app/scoped.h"

using ScopedKey = Scoped<RegistryKeyTraits>;

// Opens `subKey` into `key`; on failure `key` is left empty, whatever the
// platform wrote into its out-parameter.
LONG OpenKey(HKEY root, const std::u16string& subKey, REGSAM access, ScopedKey& key);
