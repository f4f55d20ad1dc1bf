#include "report/report.h"

#include <gtest/gtest.h>

#include "app/product_codes.h"

namespace {

TEST(Report, JsonStringsEscapeWhatJsonRequires) {
  EXPECT_EQ(JsonString(u"plain"), "\"plain\"");
  EXPECT_EQ(JsonString(u"\"C:\\a\" -s"), "\"\\\"C:\\\\a\\\" -s\"");
  EXPECT_EQ(JsonString(u"a\nb\x01"), "\"a\\u000ab\\u0001\"");
  EXPECT_EQ(JsonString(u"\u00E9\u65E5"), "\"\xC3\xA9\xE6\x97\xA5\"");
  EXPECT_EQ(Utf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // a lone surrogate
}

ReportFacts OtherEdition() {
  ReportFacts f;
  f.directory = u"C:\\pkg";
  f.answerFilePresent = true;
  f.setupExePresent = true;
  f.codeOccurrences = f.codeOccurrencesAnyCase = 2;
  f.state.silent = 1;
  f.state.productId = kCodePro;
  f.state.installedCode = kCodeStandard;
  f.state.uninstallCommand = u"u.exe";
  f.road = Road::kOtherEdition;
  f.swapWouldBeMade = true;
  f.substituteCode = kCodeStandard;
  return f;
}

TEST(Report, NamesTheRoadAndTheCommandsItWouldRun) {
  const std::string text = FormatReportText(OtherEdition());
  EXPECT_NE(text.find("Road: other-edition"), std::string::npos) << text;
  EXPECT_NE(text.find("uninstall: u.exe -s -f1\"C:\\pkg\\setup.iss\""), std::string::npos) << text;
  EXPECT_NE(text.find("setup: setup.exe -s, only after a successful uninstall"), std::string::npos) << text;
  EXPECT_EQ(text.find("Warning"), std::string::npos) << text;
  EXPECT_NE(FormatReportJson(OtherEdition()).find("\"road\": \"other-edition\""), std::string::npos);
}

TEST(Report, WarnsOfACommandTooLongToStart) {
  ReportFacts f = OtherEdition();
  f.state.uninstallCommand = std::u16string(240, u'x');
  const auto warnings = ReportWarnings(f);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("would not be started"), std::string::npos);
  f.swapWouldBeMade = false;  // without the switches it fits
  EXPECT_TRUE(ReportWarnings(f).empty());
}

}  // namespace
