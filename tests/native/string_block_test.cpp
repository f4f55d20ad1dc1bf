#include "ui/string_block.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A block from (index, text) entries; every other entry has length 0.
std::vector<uint8_t> Block(std::initializer_list<std::pair<unsigned, std::u16string>> entries) {
  std::vector<std::u16string> texts(16);
  for (const auto& e : entries) texts[e.first] = e.second;
  std::vector<uint8_t> bytes;
  auto put = [&](char16_t u) {
    bytes.push_back(static_cast<uint8_t>(u & 0xFF));
    bytes.push_back(static_cast<uint8_t>(u >> 8));
  };
  for (const auto& t : texts) {
    put(static_cast<char16_t>(t.size()));
    for (char16_t u : t) put(u);
  }
  return bytes;
}

TEST(StringBlock, FindsEntriesAndLeavesTextAloneWhenAbsent) {
  const auto block = Block({{8, u"Continue"}, {9, u"\u7D9A\u884C"}, {15, u"last"}});
  struct {
    const char* name;
    size_t size;
    unsigned index;
    bool found;
    std::u16string text;
  } cases[] = {
      {"entry", block.size(), 8, true, u"Continue"},
      {"non-ASCII", block.size(), 9, true, u"\u7D9A\u884C"},
      {"last entry", block.size(), 15, true, u"last"},
      {"empty entry", block.size(), 0, false, u"before"},
      {"truncated inside the text", block.size() - 2, 15, false, u"before"},
      {"truncated before the entry", 10, 15, false, u"before"},
      {"odd size keeps whole units", block.size() - 1, 15, false, u"before"},
      {"empty block", 0, 0, false, u"before"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::u16string text = u"before";
    EXPECT_EQ(FindStringInBlock(block.data(), c.size, c.index, text), c.found);
    EXPECT_EQ(text, c.text);
  }
}

TEST(StringBlock, LengthPastTheEndIsAbsent) {
  const std::vector<uint8_t> block = {0xFF, 0xFF, 'a', 0};  // claims 65535 units
  std::u16string text = u"kept";
  EXPECT_FALSE(FindStringInBlock(block.data(), block.size(), 0, text));
  EXPECT_FALSE(FindStringInBlock(block.data(), block.size(), 1, text));
  EXPECT_EQ(text, u"kept");
}

TEST(StringBlock, BlockNumbering) {
  EXPECT_EQ(StringBlockId(104), 7u);
  EXPECT_EQ(StringBlockIndex(104), 8u);
  EXPECT_EQ(StringBlockId(113), 8u);
  EXPECT_EQ(StringBlockIndex(115), 3u);
  EXPECT_EQ(StringBlockId(0), 1u);
}

}  // namespace
