// Registry value data as the query returned it: never trusted to be terminated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The text in the first `byteCount` bytes, up to its first null code unit;
// an odd last byte is no code unit and is dropped.
std::u16string BoundedRegistryString(const uint8_t* data, size_t byteCount);

// The returned bytes read as a little-endian number; bytes not returned count as 0.
uint32_t LittleEndianDword(const uint8_t* data, size_t byteCount);
