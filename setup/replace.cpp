#include "setup/replace.h"

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from, std::u16string_view to) {
  if (from.empty()) return std::u16string(text);
  std::u16string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (size_t hit; (hit = text.find(from, pos)) != std::u16string_view::npos; pos = hit + from.size()) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(text.substr(pos));
  return out;
}

size_t CountOccurrences(std::u16string_view text, std::u16string_view needle) {
  if (needle.empty()) return 0;
  size_t count = 0;
  for (size_t pos = text.find(needle); pos != std::u16string_view::npos;
       pos = text.find(needle, pos + needle.size())) {
    ++count;
  }
  return count;
}
