#include "setup/replace.h"

#include <gtest/gtest.h>

#include "setup/answer_text.h"

namespace {

TEST(ReplaceAll, ExactLeftToRightWithoutOverlap) {
  struct {
    const char* name;
    std::u16string text, from, to, result;
  } cases[] = {
      {"none", u"abc", u"X", u"Y", u"abc"},
      {"empty text", u"", u"X", u"Y", u""},
      {"back to back", u"XX", u"X", u"Y", u"YY"},
      {"overlapping candidates", u"aaa", u"aa", u"b", u"ba"},
      {"other letter case", u"abc ABC", u"abc", u"x", u"x ABC"},
      {"longer substitute", u"-ab-", u"ab", u"wxyz", u"-wxyz-"},
      {"shorter substitute", u"-abcd-", u"abcd", u"z", u"-z-"},
      {"inserted text not matched again", u"ab", u"ab", u"aab", u"aab"},
      {"substitute equals code", u"xabx", u"ab", u"ab", u"xabx"},
      {"empty needle matches nothing", u"abc", u"", u"Z", u"abc"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.result);
  }
}

TEST(CountOccurrences, CountsAsTheReplacementMatches) {
  EXPECT_EQ(CountOccurrences(u"aaaa", u"aa"), 2u);
  EXPECT_EQ(CountOccurrences(u"abAB", u"ab"), 1u);
  EXPECT_EQ(CountOccurrences(u"abc", u""), 0u);
}

TEST(AnswerText, Utf16LeKeepsItsMarkAndEndsAtZero) {
  const std::string marked(
      "\xFF\xFE"
      "a\0\xE9\0\0\0b\0",
      10);
  EXPECT_TRUE(HasUtf16LeMark(marked));
  EXPECT_EQ(DecodeUtf16Le(marked), u"a\u00E9");
  const Bytes encoded = EncodeUtf16Le(u"a\u00E9");
  EXPECT_EQ(std::string(encoded.begin(), encoded.end()), std::string("\xFF\xFE"
                                                                     "a\0\xE9\0",
                                                                     6));
  EXPECT_EQ(DecodeUtf16Le(std::string("\xFF\xFE"
                                      "a\0b",
                                      5)),
            u"a");  // odd last byte dropped
  EXPECT_FALSE(HasUtf16LeMark("\xFF"));
  EXPECT_FALSE(HasUtf16LeMark("[OLTREVAN]"));
  EXPECT_EQ(AnsiText(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(AnsiText(""), "");
}

}  // namespace
