#include "app/silent_switch.h"

#include <gtest/gtest.h>

namespace {

TEST(SilentSwitch, AnyOfTheFourSequencesAnywhere) {
  struct {
    std::u16string tail;
    int silent;
    const char16_t* matched;
  } cases[] = {
      {u"", 0, nullptr},      {u"-s", 1, u"-s"},
      {u"/s", 1, u"/s"},      {u"-S", 1, u"-S"},
      {u"/S", 1, u"/S"},      {u"-silent", 1, u"-s"},
      {u"/Silent", 1, u"/S"}, {u"--s", 1, u"-s"},
      {u"x/sy", 1, u"/s"},    {u"C:\\pre-setup\\files", 1, u"-s"},
      {u"/S -s", 1, u"-s"},  // searched in order: "-s" before "/S"
      {u"s", 0, nullptr},     {u"S", 0, nullptr},
      {u"-", 0, nullptr},     {u"/q", 0, nullptr},
      {u"\\s", 0, nullptr},   {u"-x", 0, nullptr},
      {u"- s", 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.tail.begin(), c.tail.end()));
    EXPECT_EQ(IsSilentCommandLine(c.tail), c.silent);
    const char16_t* matched = FindSilentSwitch(c.tail);
    EXPECT_EQ(matched ? std::u16string(matched) : u"", c.matched ? std::u16string(c.matched) : u"");
  }
}

}  // namespace
