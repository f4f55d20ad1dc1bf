#include "ui/string_block.h"

namespace {

uint16_t UnitAt(const uint8_t* block, size_t unit) {
  return static_cast<uint16_t>(block[2 * unit] | block[2 * unit + 1] << 8);
}

}  // namespace

bool FindStringInBlock(const uint8_t* block, size_t sizeBytes, unsigned index, std::u16string& text) {
  const size_t units = sizeBytes / 2;
  size_t pos = 0;
  for (unsigned i = 0; i < index; ++i) {
    if (pos >= units) return false;
    pos += 1 + size_t{UnitAt(block, pos)};
  }
  if (pos >= units) return false;
  const size_t length = UnitAt(block, pos);
  if (length == 0 || length > units - pos - 1) return false;
  std::u16string found;
  found.reserve(length);
  for (size_t i = 0; i < length; ++i) found.push_back(static_cast<char16_t>(UnitAt(block, pos + 1 + i)));
  text = std::move(found);
  return true;
}
