// The answer file's bytes as text. ANSI files end at their first zero byte and
// are converted by the platform; a file that starts with the UTF-16LE mark is
// UTF-16LE and keeps its mark.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// File contents. Not std::string: its char instantiation lives in the
// prebuilt library, which would bring exception support into the program.
using Bytes = std::vector<char>;

bool HasUtf16LeMark(std::string_view bytes);

// The code units after the mark, up to the first zero unit; an odd last byte is dropped.
std::u16string DecodeUtf16Le(std::string_view bytes);

// The mark followed by the text's code units.
Bytes EncodeUtf16Le(std::u16string_view text);

// The bytes before the first zero byte.
std::string_view AnsiText(std::string_view bytes);
