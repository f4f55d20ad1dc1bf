// The answer-file settings, the child-process runner and the setup launch,
// on real files and real processes.
#include <gtest/gtest.h>

#include "app/answer_file_settings.h"
#include "app/product_codes.h"
#include "app/run_state.h"
#include "setup/run_and_wait.h"
#include "setup/run_setup.h"
#include "test_support.h"

namespace {

struct AnswerFileCase {
  const char* name;
  const char* contents;  // nullptr: no setup.iss at all
  std::u16string productId;
};

TEST(AnswerFileSettings, ReadsProductIdAndPatchRule) {
  const AnswerFileCase cases[] = {
      {"product id", "[OLTREVAN]\r\nPRODUCTID={6A1F0E27-9C4B-4D8E-A5F2-1B7C3E9D0A41}\r\n", kCodePro},
      {"any text", "[OLTREVAN]\r\nPRODUCTID=not a code\r\n", u"not a code"},
      {"patch 1, no id", "[OLTREVAN]\r\nPRODUCTPATCH=1\r\n", kCodeStandard},
      {"patch 1 keeps id", "[OLTREVAN]\r\nPRODUCTID=abc\r\nPRODUCTPATCH=1\r\n", u"abc"},
      {"patch 2", "[OLTREVAN]\r\nPRODUCTPATCH=2\r\n", u""},
      {"patch 01", "[OLTREVAN]\r\nPRODUCTPATCH=01\r\n", u""},
      {"patch yes", "[OLTREVAN]\r\nPRODUCTPATCH=yes\r\n", u""},
      {"other section", "[Other]\r\nPRODUCTID=abc\r\n", u""},
      {"no file", nullptr, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDirectory dir;
    if (c.contents) WriteBytes(dir.File(L"setup.iss"), c.contents);
    ResetRunState();
    g_runState.productId = u"stale";
    ReadAnswerFileSettings();
    EXPECT_EQ(g_runState.productId, c.productId);
  }
}

TEST(AnswerFileSettings, CutsLongValueTo255Characters) {
  ScratchDirectory dir;
  WriteBytes(dir.File(L"setup.iss"), "[OLTREVAN]\r\nPRODUCTID=" + std::string(300, 'x') + "\r\n");
  ResetRunState();
  ReadAnswerFileSettings();
  EXPECT_EQ(g_runState.productId, std::u16string(255, u'x'));
}

TEST(RunAndWait, ChildSeesCommandLineAndWorkingDirectory) {
  ScratchDirectory dir;
  StandInLog log;
  InstallStandIn(dir.File(L"child.exe"));
  SetEnv(L"CHILD_EXIT", L"3");  // a failing child still counts as started
  const RunResult result = RunAndWait(u"child.exe one \"two words\"");
  SetEnv(L"CHILD_EXIT", L"");
  EXPECT_TRUE(result.started);
  EXPECT_NE(result.processId, 0u);
  ASSERT_EQ(log.Lines().size(), 1u);  // logged: the child ended before the return
  EXPECT_EQ(log.Lines()[0], L"CHILD|child.exe one \"two words\"|" + dir.Path());
}

TEST(RunAndWait, ReturnsOnlyWhenTheChildHasEnded) {
  ScratchDirectory dir;
  StandInLog log;
  InstallStandIn(dir.File(L"child.exe"));
  EXPECT_TRUE(RunAndWait(u"child.exe --linger 500").started);
  EXPECT_EQ(log.Lines(), std::vector<std::wstring>{L"CHILD-child|end"});
}

TEST(RunAndWait, RefusesWhatCannotStart) {
  ScratchDirectory dir;
  StandInLog log;
  InstallStandIn(dir.File(L"child.exe"));
  const std::u16string base = u"child.exe ";
  struct {
    const char* name;
    std::u16string command;
    bool started;
  } cases[] = {
      {"259 characters", base + std::u16string(259 - base.size(), u'a'), true},
      {"260 characters", base + std::u16string(260 - base.size(), u'a'), false},
      {"32000 characters", base + std::u16string(32000, u'a'), false},
      {"missing program", u"no-such-program.exe", false},
      {"empty command", u"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RunAndWait(c.command).started, c.started);
  }
  ASSERT_EQ(log.Lines().size(), 1u);
  EXPECT_EQ(log.Lines()[0].find(L"CHILD|") == 0 ? log.Lines()[0].size() : 0, 6 + 259 + 1 + dir.Path().size());
}

int g_notifications = 0;
void WINAPI CountNotification(LONG event, UINT flags, LPCVOID item1, LPCVOID item2) {
  EXPECT_EQ(event, 0x8000);
  EXPECT_EQ(flags, 0x1000u);
  EXPECT_EQ(item1, nullptr);
  EXPECT_EQ(item2, nullptr);
  ++g_notifications;
}

TEST(RunSetup, StartsSetupUnlessAnUninstallFailed) {
  struct {
    int attempted, succeeded, silent;
    const wchar_t* command;  // nullptr: nothing starts
  } cases[] = {
      {0, 0, 0, L"setup.exe"},    {0, 0, 1, L"setup.exe -s"}, {1, 1, 0, L"setup.exe"},
      {1, 1, 1, L"setup.exe -s"}, {1, 0, 0, nullptr},         {1, 0, 1, nullptr},
      {0, 1, 0, L"setup.exe"},
  };
  ScopedSeam<decltype(g_notifyShell)> seam(g_notifyShell, CountNotification);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.attempted << c.succeeded << c.silent);
    ScratchDirectory dir;
    StandInLog log;
    InstallStandIn(dir.File(L"setup.exe"));
    ResetRunState();
    g_runState.uninstallAttempted = c.attempted;
    g_runState.uninstallSucceeded = c.succeeded;
    g_runState.silent = c.silent;
    g_notifications = 0;
    RunSetup();
    if (c.command) {
      ASSERT_EQ(log.Lines().size(), 1u);
      EXPECT_EQ(log.Lines()[0], L"SETUP|" + std::wstring(c.command) + L"|" + dir.Path());
      EXPECT_EQ(g_notifications, 1);
    } else {
      EXPECT_TRUE(log.Lines().empty());
      EXPECT_EQ(g_notifications, 0);
    }
  }
}

TEST(RunSetup, MissingSetupSendsNoNotification) {
  ScopedSeam<decltype(g_notifyShell)> seam(g_notifyShell, CountNotification);
  ScratchDirectory dir;
  ResetRunState();
  g_notifications = 0;
  RunSetup();
  EXPECT_EQ(g_notifications, 0);
}

}  // namespace
