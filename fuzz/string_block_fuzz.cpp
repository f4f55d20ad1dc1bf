// The string-block walk on arbitrary bytes: never reads outside the block, and
// a found text is exactly the entry's units.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/string_block.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const unsigned index = data[0] % 16;
  // A copy of exactly the block's size, so that AddressSanitizer sees any overrun.
  std::vector<uint8_t> block(data + 1, data + size);
  std::u16string text = u"untouched";
  const bool found = FindStringInBlock(block.data(), block.size(), index, text);
  if (!found) {
    if (text != u"untouched") abort();
    return 0;
  }
  if (text.empty() || text.size() * 2 > block.size()) abort();
  return 0;
}
