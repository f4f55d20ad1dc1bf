#include "registry/registry_data.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) { return {values.begin(), values.end()}; }

TEST(BoundedRegistryString, TheByteCountBoundsTheText) {
  struct {
    const char* name;
    std::vector<uint8_t> data;
    size_t count;
    std::u16string text;
  } cases[] = {
      {"terminated", Bytes({'a', 0, 'b', 0, 0, 0}), 6, u"ab"},
      {"no terminator", Bytes({'a', 0, 'b', 0, 'c', 0}), 4, u"ab"},
      {"null inside", Bytes({'a', 0, 0, 0, 'b', 0}), 6, u"a"},
      {"odd count", Bytes({'a', 0, 'b', 0, 'c'}), 5, u"ab"},
      {"one byte", Bytes({'a'}), 1, u""},
      {"empty", Bytes({}), 0, u""},
      {"non-ASCII", Bytes({0xE9, 0x00, 0xAC, 0x20}), 4, u"\u00E9\u20AC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BoundedRegistryString(c.data.data(), c.count), c.text);
  }
}

TEST(LittleEndianDword, MissingBytesCountAsZero) {
  struct {
    std::vector<uint8_t> data;
    size_t count;
    uint32_t value;
  } cases[] = {
      {Bytes({1, 0, 0, 0}), 4, 1},
      {Bytes({0x78, 0x56, 0x34, 0x12}), 4, 0x12345678},
      {Bytes({'1', 0, 0, 0}), 4, 49},  // a string "1" stored in its place
      {Bytes({2, 1}), 2, 0x0102},
      {Bytes({7}), 1, 7},
      {Bytes({}), 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(LittleEndianDword(c.data.data(), c.count), c.value);
}

}  // namespace
