#include "registry/registry_data.h"

std::u16string BoundedRegistryString(const uint8_t* data, size_t byteCount) {
  std::u16string text;
  for (size_t i = 0; i + 1 < byteCount; i += 2) {
    char16_t unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
    if (unit == 0) break;
    text.push_back(unit);
  }
  return text;
}

uint32_t LittleEndianDword(const uint8_t* data, size_t byteCount) {
  uint32_t value = 0;
  for (size_t i = 0; i < byteCount && i < 4; ++i) value |= static_cast<uint32_t>(data[i]) << (8 * i);
  return value;
}
