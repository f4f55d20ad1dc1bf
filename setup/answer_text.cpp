#include "setup/answer_text.h"

bool HasUtf16LeMark(std::string_view bytes) {
  return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
         static_cast<unsigned char>(bytes[1]) == 0xFE;
}

std::u16string DecodeUtf16Le(std::string_view bytes) {
  std::u16string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (unit == 0) break;
    text.push_back(unit);
  }
  return text;
}

Bytes EncodeUtf16Le(std::u16string_view text) {
  Bytes bytes = {'\xFF', '\xFE'};
  bytes.reserve(2 + text.size() * 2);
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

std::string_view AnsiText(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }
