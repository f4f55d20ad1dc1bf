#include "ui/localized_string.h"

#include "app/run_state.h"
#include "app/win32.h"
#include "ui/string_block.h"

bool LoadLocalizedString(uint16_t id, std::u16string& text) {
  const HMODULE module = static_cast<HMODULE>(g_runState.moduleHandle);
  // Language 0: the platform picks the block's language from the UI language.
  const HRSRC block = ::FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(StringBlockId(id)), 0);
  if (block == nullptr) return false;
  const HGLOBAL loaded = ::LoadResource(module, block);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (data == nullptr) return false;
  return FindStringInBlock(static_cast<const uint8_t*>(data), ::SizeofResource(module, block),
                           StringBlockIndex(id), text);
}
