// ReplaceAll against a plain reference that walks the text one position at a time.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "setup/replace.h"

namespace {

std::u16string Reference(const std::u16string& text, const std::u16string& from, const std::u16string& to) {
  if (from.empty()) return text;
  std::u16string out;
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, from.size(), from) == 0) {
      out += to;
      i += from.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // Small alphabet so that matches happen; the first two bytes size the needle and substitute.
  const size_t fromLength = data[0] % 8, toLength = data[1] % 8;
  std::u16string units;
  for (size_t i = 2; i < size; ++i) units.push_back(static_cast<char16_t>(u'a' + data[i] % 3));
  if (units.size() < fromLength + toLength) return 0;
  const std::u16string from = units.substr(0, fromLength);
  const std::u16string to = units.substr(fromLength, toLength);
  const std::u16string text = units.substr(fromLength + toLength);
  if (ReplaceAll(text, from, to) != Reference(text, from, to)) abort();
  if (!from.empty() && from == to && ReplaceAll(text, from, to) != text) abort();
  return 0;
}
