// The uninstaller run with a stand-in uninstaller: its command line, the
// answer file it was given, the wait for its children, and the outcome read
// from the registry.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <tlhelp32.h>

#include "app/detection.h"
#include "app/product_codes.h"
#include "app/win32.h"
#include "registry_support.h"
#include "setup/uninstaller.h"
#include "test_support.h"

namespace {

const std::wstring kEntry = W(UninstallKeyPath(kCodeStandard));
const std::string kPackageIss = "[OLTREVAN]\r\nPRODUCTID={6A1F0E27-9C4B-4D8E-A5F2-1B7C3E9D0A41}\r\n";
const std::string kAdaptedIss = "[OLTREVAN]\r\nPRODUCTID={B47D2C90-5E18-4A6F-8C3B-92E0F1A7D5C6}\r\n";

class UninstallerTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kEntry);
    ResetRunState();
    InstallStandIn(dir.File(L"uninst.exe"));
    WriteBytes(dir.File(L"setup.iss"), kPackageIss);
    SetEnv(L"UNINST_ISS_COPY", dir.File(L"seen.iss"));
    g_runState.productId = kCodePro;
  }
  void TearDown() override {
    for (const wchar_t* name : {L"UNINST_ISS_COPY", L"UNINST_REMOVE_KEY", L"UNINST_EXIT", L"UNINST_CHILD_MS"})
      SetEnv(name, L"");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kEntry);
  }

  // The standard edition's entry, found as the detection finds it.
  void Install(const std::wstring& command, bool uninstallerRemovesIt) {
    SetString(HKEY_LOCAL_MACHINE, kEntry, L"UninstallString", command);
    if (uninstallerRemovesIt) SetEnv(L"UNINST_REMOVE_KEY", kEntry);
    ASSERT_EQ(ProbeUninstallKeys(), 0);
  }

  std::wstring Suffix() const { return L" -s -f1\"" + dir.Path() + L"\\setup.iss\""; }

  ScratchDirectory dir;
  StandInLog log;
  DebugOutputListener debug;
};

TEST_F(UninstallerTest, SilentRunUsesTheAdaptedAnswerFileAndRestoresIt) {
  Install(L"uninst.exe /x", true);
  g_runState.silent = 1;
  RunUninstaller();
  const std::wstring command = L"uninst.exe /x" + Suffix();
  EXPECT_EQ(log.Lines(), std::vector<std::wstring>{L"UNINST|" + command + L"|" + dir.Path()});
  EXPECT_EQ(ReadBytes(dir.File(L"seen.iss")), kAdaptedIss);
  EXPECT_EQ(debug.Lines(), (std::vector<std::wstring>{command, L"RunUnInstall successfully"}));
  EXPECT_EQ(g_runState.uninstallAttempted, 1);
  EXPECT_EQ(g_runState.uninstallSucceeded, 1);
  EXPECT_EQ(g_runState.uninstallCommand, u"");
  EXPECT_EQ(ReadBytes(dir.File(L"setup.iss")), kPackageIss);
  EXPECT_FALSE(FileExists(dir.File(L"setup.bak")));
}

TEST_F(UninstallerTest, CommandRunsAloneWhenNotSilentOrWhenTheSwapFails) {
  const struct {
    const char* name;
    int32_t silent;
    bool leftoverBackup;
  } cases[] = {{"not silent", 0, false}, {"silent, setup.bak in the way", 1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    if (c.leftoverBackup) WriteBytes(dir.File(L"setup.bak"), "older");
    Install(L"uninst.exe /x", true);
    g_runState.silent = c.silent;
    RunUninstaller();
    EXPECT_EQ(log.Lines().back(), L"UNINST|uninst.exe /x|" + dir.Path());
    EXPECT_FALSE(FileExists(dir.File(L"seen.iss")));
    EXPECT_EQ(debug.Lines().back(), L"RunUnInstall successfully");
    EXPECT_EQ(ReadBytes(dir.File(L"setup.iss")), kPackageIss);
    DeleteFileW(dir.File(L"setup.bak").c_str());
  }
}

TEST_F(UninstallerTest, OutcomeFollowsTheRegistryNotTheExitCode) {
  const struct {
    const char* name;
    bool removes;
    const wchar_t* exitCode;
    int32_t succeeded;
  } cases[] = {
      {"entry removed, failure code", true, L"1603", 1},
      {"entry left, success code", false, L"0", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    Install(L"uninst.exe", c.removes);
    SetEnv(L"UNINST_EXIT", c.exitCode);
    g_runState.silent = 1;
    const size_t linesBefore = debug.Lines().size();
    RunUninstaller();
    EXPECT_EQ(g_runState.uninstallSucceeded, c.succeeded);
    EXPECT_EQ(g_runState.uninstallCommand, c.succeeded ? u"" : u"uninst.exe");  // read again
    EXPECT_EQ(debug.Lines().size() - linesBefore, c.succeeded ? 2u : 1u);
    EXPECT_EQ(ReadBytes(dir.File(L"setup.iss")), kPackageIss);
    EXPECT_FALSE(FileExists(dir.File(L"setup.bak")));
    SetEnv(L"UNINST_REMOVE_KEY", L"");
  }
}

TEST_F(UninstallerTest, WaitsForAChildThatOutlivesTheUninstaller) {
  Install(L"uninst.exe", true);
  SetEnv(L"UNINST_CHILD_MS", L"3000");
  const DWORD start = GetTickCount();
  RunUninstaller();
  EXPECT_GE(GetTickCount() - start, 3000u);
  EXPECT_EQ(log.Lines().back(), L"UNINST-child|end");
}

TEST_F(UninstallerTest, CommandThatCannotStartIsJudgedAtOnce) {
  const struct {
    const char* name;
    std::wstring command;
    int32_t silent;
  } cases[] = {
      {"empty command", L"", 0},
      {"259 characters only without the suffix",
       L"uninst.exe " + std::wstring(259 - 11 - Suffix().size() + 1, L'a'), 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    if (!c.command.empty()) Install(c.command, false);
    g_runState.silent = c.silent;
    RunUninstaller();
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(g_runState.uninstallAttempted, 1);
    EXPECT_EQ(g_runState.uninstallSucceeded, c.command.empty() ? 1 : 0);  // an entry left means failure
    EXPECT_EQ(ReadBytes(dir.File(L"setup.iss")), kPackageIss);
    EXPECT_FALSE(FileExists(dir.File(L"setup.bak")));
  }
}

int g_snapshotCalls = 0;
HANDLE WINAPI SnapshotFailingOnce(DWORD flags, DWORD processId) {
  if (g_snapshotCalls++ == 0) {
    SetLastError(ERROR_BAD_LENGTH);
    return INVALID_HANDLE_VALUE;
  }
  return CreateToolhelp32Snapshot(flags, processId);
}

TEST(WaitForChildProcesses, SnapshotThatCannotBeTakenIsLookedAtAgain) {
  ScopedSeam<decltype(g_createProcessSnapshot)> seam(g_createProcessSnapshot, SnapshotFailingOnce);
  g_snapshotCalls = 0;
  const DWORD start = GetTickCount();
  WaitForChildProcesses(0xFFFFFF00u);  // no process has this parent
  EXPECT_EQ(g_snapshotCalls, 2);
  EXPECT_GE(GetTickCount() - start, 1900u);
}

}  // namespace
