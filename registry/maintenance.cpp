#include "registry/maintenance.h"

#include <shlwapi.h>

#include "app/product_codes.h"
#include "app/scoped.h"
#include "app/win32.h"
#include "registry/registry.h"
#include "registry/registry_platform.h"

namespace {

void SetMarker(HKEY root, const char16_t* valueName) {
  CRegistry registry;
  registry.root = root;
  if (registry.Open(productKeyPath, 1)) registry.SetFlagValue(valueName);
}

}  // namespace

void SetConsumerUpgrade() { SetMarker(HKEY_LOCAL_MACHINE, u"ConsumerUpgrade"); }

void SetUpdateHint() { SetMarker(HKEY_CURRENT_USER, u"UpdateHint"); }

int32_t CopyLegacyUserKey() {
  CRegistry legacy, product;
  legacy.root = HKEY_CURRENT_USER;
  product.root = HKEY_CURRENT_USER;
  if (!legacy.Open(legacyUserKeyPath, 0)) return 0;
  if (!product.Open(productKeyPath, 1)) return 0;

  // Declared so that keys close before the hives they were opened on.
  ScopedKey legacyRoot(legacy.ResolveRoot());
  ScopedKey legacyKey;
  if (OpenKey(legacyRoot.Get(), legacyUserKeyPath, KEY_ALL_ACCESS, legacyKey) != ERROR_SUCCESS) return 0;
  ScopedKey productRoot(product.ResolveRoot());
  ScopedKey productKey;
  if (OpenKey(productRoot.Get(), productKeyPath, KEY_ALL_ACCESS, productKey) != ERROR_SUCCESS) return 0;
  return ::SHCopyKeyW(legacyKey.Get(), L"", productKey.Get(), 0) == ERROR_SUCCESS ? 1 : 0;
}
