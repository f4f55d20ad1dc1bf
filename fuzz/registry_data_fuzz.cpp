// Registry data of any length: the text never reaches past the returned bytes
// and never holds a null.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "registry/registry_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  const std::u16string text = BoundedRegistryString(bytes.data(), bytes.size());
  if (text.size() > bytes.size() / 2 || text.find(u'\0') != std::u16string::npos) abort();
  const uint32_t value = LittleEndianDword(bytes.data(), bytes.size());
  if (size == 0 && value != 0) abort();
  return 0;
}
