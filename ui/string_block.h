// Walks one string-table block: 16 entries, each a 16-bit length followed by
// that many UTF-16 code units, little-endian, no terminators.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// True and `text` replaced when entry `index` lies wholly inside the block and
// is not empty; otherwise false and `text` untouched.
bool FindStringInBlock(const uint8_t* block, size_t sizeBytes, unsigned index, std::u16string& text);

inline unsigned StringBlockId(uint16_t id) { return id / 16u + 1u; }
inline unsigned StringBlockIndex(uint16_t id) { return id % 16u; }
