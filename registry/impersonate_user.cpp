#include "registry/impersonate_user.h"

#include "registry/registry_platform.h"

CImpersonateUser::CImpersonateUser() : impersonating(0), sessionId(0), userToken(nullptr) {
  const RegistryPlatform& api = g_registryPlatform;
  api.processIdToSessionId(::GetCurrentProcessId(), &sessionId);
  if (!api.queryUserToken(sessionId, &userToken)) {
    userToken = nullptr;
    sessionId = api.activeConsoleSessionId();
    if (!api.queryUserToken(sessionId, &userToken)) {
      userToken = nullptr;
      return;
    }
  }
  if (userToken != nullptr && api.impersonateLoggedOnUser(userToken)) impersonating = 1;
}

CImpersonateUser::~CImpersonateUser() {
  const RegistryPlatform& api = g_registryPlatform;
  // Going on as the user after a failed revert would do the rest of the run
  // with the wrong identity: end the process instead.
  if (impersonating && !api.revertToSelf()) api.endProcess(0);
  if (userToken != nullptr) api.closeHandle(userToken);
  userToken = nullptr;
}
