#pragma once

#include <string>
#include <string_view>

// Every occurrence of `from` replaced by `to`: exact code units, left to right,
// no overlap, the scan going on behind the inserted text. An empty `from`
// matches nothing.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from, std::u16string_view to);

// How many times `needle` occurs, counted the same way.
size_t CountOccurrences(std::u16string_view text, std::u16string_view needle);
