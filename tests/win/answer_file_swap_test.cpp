// The answer-file swap on real files: the folder's states, the rewrite rule,
// code pages, and a folder that is always as it was after a failed swap.
#include "setup/answer_file_swap.h"

#include <gtest/gtest.h>

#include "app/product_codes.h"
#include "test_support.h"

namespace {

const std::string kPackage = "{6A1F0E27-9C4B-4D8E-A5F2-1B7C3E9D0A41}";    // kCodePro
const std::string kInstalled = "{B47D2C90-5E18-4A6F-8C3B-92E0F1A7D5C6}";  // kCodeStandard

std::string Iss(const std::string& code) {
  return "[InstallShield Silent]\r\nVersion=v7.00\r\n[" + code +
         "-DlgOrder]\r\nCount=1\r\n[OLTREVAN]\r\nPRODUCTID=" + code + "\r\n";
}

class AnswerFileSwapTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    g_runState.productId = kCodePro;
    g_runState.uninstallKeyKind = 3;  // substitute: kCodeStandard
  }
  ScratchDirectory dir;
  std::string Iss() const { return ReadBytes(dir.File(L"setup.iss")); }
  std::string Bak() const { return ReadBytes(dir.File(L"setup.bak")); }
  bool HasIss() const { return FileExists(dir.File(L"setup.iss")); }
  bool HasBak() const { return FileExists(dir.File(L"setup.bak")); }
};

TEST_F(AnswerFileSwapTest, WalksThroughTheStatesAndRestoresTheSameBytes) {
  const std::string original = ::Iss(kPackage);
  WriteBytes(dir.File(L"setup.iss"), original);
  ASSERT_TRUE(SwapAnswerFile());  // Swapped
  EXPECT_EQ(Iss(), ::Iss(kInstalled));
  EXPECT_EQ(Bak(), original);
  ASSERT_EQ(DeleteInCurrentDirectory(u"setup.iss"), 1);  // Copy removed
  EXPECT_FALSE(HasIss());
  ASSERT_EQ(RenameInCurrentDirectory(u"setup.bak", u"setup.iss"), 1);  // Restored
  EXPECT_EQ(Iss(), original);
  EXPECT_FALSE(HasBak());

  ASSERT_TRUE(SwapAnswerFile());
  RestoreAnswerFile();
  EXPECT_EQ(Iss(), original);
  EXPECT_FALSE(HasBak());
}

TEST_F(AnswerFileSwapTest, RewriteReplacesByTheRule) {
  const struct {
    const char* name;
    std::string source, copy;
  } cases[] = {
      {"no occurrence", "[A]\r\nB=c\r\n", "[A]\r\nB=c\r\n"},
      {"back to back", kPackage + kPackage, kInstalled + kInstalled},
      {"other letter case", "{6a1f0e27-9c4b-4d8e-a5f2-1b7c3e9d0a41}",
       "{6a1f0e27-9c4b-4d8e-a5f2-1b7c3e9d0a41}"},
      {"empty file", "", ""},
      {"zero byte ends the text", std::string("a=") + kPackage + std::string("\0tail", 5), "a=" + kInstalled},
      {"1 MB", std::string(1 << 20, 'x') + kPackage, std::string(1 << 20, 'x') + kInstalled},
      {"UTF-16LE keeps its mark",
       std::string("\xFF\xFE"
                   "a\0=\0",
                   6) +
           std::string("{\0", 2) + std::string("A\0]\0", 4),
       std::string("\xFF\xFE"
                   "a\0=\0",
                   6) +
           std::string("{\0", 2) + std::string("A\0]\0", 4)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(dir.File(L"in.iss"), c.source);
    EXPECT_EQ(RewriteAnswerFile(u"in.iss", u"out.iss"), 1);
    EXPECT_EQ(ReadBytes(dir.File(L"out.iss")), c.copy);
  }
}

std::string Utf16Le(const std::u16string& text) {
  std::string bytes("\xFF\xFE", 2);
  for (char16_t u : text) bytes += std::string{static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
  return bytes;
}

TEST_F(AnswerFileSwapTest, Utf16FileIsRewrittenAsUtf16) {
  const std::u16string package = kCodePro, installed = kCodeStandard;
  WriteBytes(dir.File(L"in.iss"), Utf16Le(u"[OLTREVAN]\r\nPRODUCTID=" + package + u"\r\n\u00E9\u65E5\r\n"));
  EXPECT_EQ(RewriteAnswerFile(u"in.iss", u"out.iss"), 1);
  EXPECT_EQ(ReadBytes(dir.File(L"out.iss")),
            Utf16Le(u"[OLTREVAN]\r\nPRODUCTID=" + installed + u"\r\n\u00E9\u65E5\r\n"));
}

TEST_F(AnswerFileSwapTest, SubstituteCodeByUninstallKeyKind) {
  const struct {
    int32_t kind;
    int32_t result;
    std::u16string code;
  } cases[] = {
      {0, 1, u"{installed}"}, {1, 1, kCodeRelease1}, {2, 1, kCodeRelease2},
      {3, 1, kCodeStandard},  {4, 0, u"untouched"},  {-1, 0, u"untouched"},
  };
  g_runState.installedCode = u"{installed}";
  for (const auto& c : cases) {
    g_runState.uninstallKeyKind = c.kind;
    std::u16string code = u"untouched";
    EXPECT_EQ(ChooseSubstituteCode(code), c.result);
    EXPECT_EQ(code, c.code);
  }
}

TEST_F(AnswerFileSwapTest, FailedSwapLeavesTheFolderAsItWas) {
  const std::string original = ::Iss(kPackage);
  const struct {
    const char* name;
    int32_t kind;
    std::u16string productId;
  } refusals[] = {
      {"no substitute code", 7, kCodePro},
      {"no product id", 3, u""},
  };
  for (const auto& c : refusals) {
    SCOPED_TRACE(c.name);
    WriteBytes(dir.File(L"setup.iss"), original);
    g_runState.uninstallKeyKind = c.kind;
    g_runState.productId = c.productId;
    EXPECT_FALSE(SwapAnswerFile());
    EXPECT_EQ(Iss(), original);
    EXPECT_FALSE(HasBak());
  }
}

TEST_F(AnswerFileSwapTest, LeftoverBackupBlocksTheSwap) {
  WriteBytes(dir.File(L"setup.iss"), ::Iss(kPackage));
  WriteBytes(dir.File(L"setup.bak"), "older");
  EXPECT_FALSE(SwapAnswerFile());
  EXPECT_EQ(Iss(), ::Iss(kPackage));
  EXPECT_EQ(Bak(), "older");

  DeleteFileW(dir.File(L"setup.iss").c_str());
  EXPECT_FALSE(SwapAnswerFile());  // no answer file at all
  EXPECT_EQ(Bak(), "older");
}

TEST_F(AnswerFileSwapTest, MissingSourceLeavesAnEmptyTarget) {
  EXPECT_EQ(RewriteAnswerFile(u"missing.iss", u"out.iss"), 0);
  EXPECT_TRUE(FileExists(dir.File(L"out.iss")));
  EXPECT_EQ(ReadBytes(dir.File(L"out.iss")), "");
}

// Run once per code page (LANG chooses it): every byte outside the codes comes back as it was.
TEST_F(AnswerFileSwapTest, CodePageTextSurvivesTheRewrite) {
  std::string text;
  switch (GetACP()) {
    case 1252:
      text = "caf\xE9 \x80 \xFC";
      break;  // é € ü
    case 932:
      text = "\x93\xFA\x96\x7B \x83\x5C \x82\xA0";
      break;  // 日本 ソ あ: trail bytes '{' and '\'
    default:
      GTEST_SKIP() << "code page " << GetACP();
  }
  WriteBytes(dir.File(L"in.iss"), text + "=" + kPackage + "\r\n" + text);
  EXPECT_EQ(RewriteAnswerFile(u"in.iss", u"out.iss"), 1);
  EXPECT_EQ(ReadBytes(dir.File(L"out.iss")), text + "=" + kInstalled + "\r\n" + text);
}

}  // namespace
