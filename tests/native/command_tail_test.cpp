#include "app/command_tail.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandTail, SkipsTheProgramNameAndTheBlanksAfterIt) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"oltrevan.exe -s", u"-s"},
      {u"\"C:\\Package Folder\\oltrevan.exe\"  /S x", u"/S x"},
      {u"\"C:\\a b\\o.exe\"-s x", u"x"},  // the name ends at the first blank outside quotes
      {u"oltrevan.exe", u""},
      {u"oltrevan.exe \t ", u""},
      {u"", u""},
      {u"\"unterminated quote -s", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(CommandTail(c.first), c.second);
}

}  // namespace
