#pragma once

#include <windows.h>

// Takes on the identity of the user of this process's session or, failing
// that, of the active console session, for as long as it lives.
class CImpersonateUser {
 public:
  CImpersonateUser();
  virtual ~CImpersonateUser();
  CImpersonateUser(const CImpersonateUser&) = delete;
  CImpersonateUser& operator=(const CImpersonateUser&) = delete;

  DWORD impersonating;
  DWORD sessionId;
  HANDLE userToken;
};
