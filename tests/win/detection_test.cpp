// Installed-product detection on Wine's registry: each case seeds the machine
// keys and checks the results and the run state.
#include "app/detection.h"

#include <gtest/gtest.h>

#include "app/product_codes.h"
#include "app/win32.h"
#include "registry_support.h"
#include "test_support.h"

namespace {

const std::wstring kCompany = L"Software\\Kestrowan Inc.";
const std::wstring kProduct = W(productKeyPath);

std::wstring Uninstall(const char16_t* code) { return std::wstring(W(UninstallKeyPath(code))); }
std::wstring Platform(const char16_t* platform) { return std::wstring(W(PlatformKeyPath(platform))); }

void ClearMachine() {
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kCompany);
  for (const char16_t* code : {kCodePro, kCodeStandard, kCodeRelease1, kCodeRelease2, kCodeCloudRD,
                               kCodeCloudMBR, kCodeWQ, u"any text"})
    DeleteKeyTree(HKEY_LOCAL_MACHINE, Uninstall(code));
}

class DetectionTest : public testing::Test {
 protected:
  void SetUp() override {
    ClearMachine();
    ResetRunState();
  }
  void TearDown() override { ClearMachine(); }
};

TEST_F(DetectionTest, ReadInstalledProductId) {
  g_runState.installedCode = u"stale";
  EXPECT_EQ(ReadInstalledProductId(), -2);
  EXPECT_EQ(g_runState.installedCode, u"stale");

  CreateKey(HKEY_LOCAL_MACHINE, kProduct);
  EXPECT_EQ(ReadInstalledProductId(), -3);
  EXPECT_EQ(g_runState.installedCode, u"");

  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"PRODUCTID", 5);
  EXPECT_EQ(ReadInstalledProductId(), -3);

  SetString(HKEY_LOCAL_MACHINE, kProduct, L"PRODUCTID", L"any text");
  EXPECT_EQ(ReadInstalledProductId(), 0);
  EXPECT_EQ(g_runState.installedCode, u"any text");
}

TEST_F(DetectionTest, ProbeUninstallKeysInKindOrder) {
  struct Key {
    const char16_t* code;
    const wchar_t* command;  // nullptr: no UninstallString
    bool restricted;
  };
  const struct {
    const char* name;
    std::vector<Key> keys;
    int32_t result, kind;
    std::u16string command;
  } cases[] = {
      {"none", {}, -1, 0, u""},
      {"kind 1", {{kCodeRelease1, L"C:\\r1\\uninst.exe", false}}, 0, 1, u"C:\\r1\\uninst.exe"},
      {"kind 2", {{kCodeRelease2, L"r2.exe -x", false}}, 0, 2, u"r2.exe -x"},
      {"3 before 1",
       {{kCodeStandard, L"std.exe", false}, {kCodeRelease1, L"r1.exe", false}},
       0,
       3,
       u"std.exe"},
      {"3 without command hides 1",
       {{kCodeStandard, nullptr, false}, {kCodeRelease1, L"r1.exe", false}},
       -1,
       3,
       u""},
      {"3 read-only counts as absent",
       {{kCodeStandard, L"std.exe", true}, {kCodeRelease1, L"r1.exe", false}},
       0,
       1,
       u"r1.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ClearMachine();
    for (const Key& key : c.keys) {
      CreateKey(HKEY_LOCAL_MACHINE, Uninstall(key.code));
      if (key.command) SetString(HKEY_LOCAL_MACHINE, Uninstall(key.code), L"UninstallString", key.command);
      if (key.restricted) RestrictToRead(HKEY_LOCAL_MACHINE, Uninstall(key.code));
    }
    g_runState.uninstallCommand = u"previous";
    g_runState.uninstallKeyKind = 9;
    EXPECT_EQ(ProbeUninstallKeys(), c.result);
    EXPECT_EQ(g_runState.uninstallKeyKind, c.kind);
    EXPECT_EQ(g_runState.uninstallCommand, c.command);
  }
}

TEST_F(DetectionTest, LookUpUninstallForInstalled) {
  g_runState.uninstallCommand = u"previous";
  g_runState.uninstallKeyKind = 2;
  EXPECT_EQ(LookUpUninstallForInstalled(), -1);  // no installed code: nothing changes
  EXPECT_EQ(g_runState.uninstallCommand, u"previous");

  g_runState.installedCode = u"any text";
  EXPECT_EQ(LookUpUninstallForInstalled(), -1);
  EXPECT_EQ(g_runState.uninstallCommand, u"");

  SetString(HKEY_LOCAL_MACHINE, Uninstall(u"any text"), L"UninstallString", L"any.exe /u");
  EXPECT_EQ(LookUpUninstallForInstalled(), 0);
  EXPECT_EQ(g_runState.uninstallCommand, u"any.exe /u");
  RestrictToRead(HKEY_LOCAL_MACHINE, Uninstall(u"any text"));
  EXPECT_EQ(LookUpUninstallForInstalled(), -1);
  EXPECT_EQ(g_runState.uninstallKeyKind, 2);  // never touched
}

TEST_F(DetectionTest, ReadCloudEnableFlag) {
  EXPECT_EQ(ReadCloudEnableFlag(), -1);
  CreateKey(HKEY_LOCAL_MACHINE, kProduct);
  EXPECT_EQ(ReadCloudEnableFlag(), 0);
  for (DWORD value : {0u, 1u, 2u}) {
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"CloudEnable", value);
    EXPECT_EQ(ReadCloudEnableFlag(), static_cast<int32_t>(value));
  }
  SetString(HKEY_LOCAL_MACHINE, kProduct, L"CloudEnable", L"1");
  EXPECT_EQ(ReadCloudEnableFlag(), 49);
}

TEST_F(DetectionTest, ProbePlatformsInProbeOrder) {
  const struct {
    std::vector<const char16_t*> platforms;
    int32_t kind;
  } cases[] = {
      {{}, 0},
      {{u"KVWQ00"}, 4},
      {{u"KVTG80", u"KVWQ00"}, 3},
      {{u"KVMBR00"}, 7},
      {{u"KVRD00", u"KVLN00"}, 5},
      {{u"KVRD00"}, 6},
      {{u"KVXX00"}, 0},
  };
  for (const auto& c : cases) {
    ClearMachine();
    for (const char16_t* platform : c.platforms) CreateKey(HKEY_LOCAL_MACHINE, Platform(platform));
    EXPECT_EQ(ProbePlatforms(), c.kind);
  }
}

TEST_F(DetectionTest, DetectInstalledProductFillsTheRunState) {
  const struct {
    const char* name;
    const wchar_t* productId;  // nullptr: no product key
    DWORD cloud;               // ~0u: no CloudEnable
    const char16_t* uninstallCode;
    const char16_t* platform;
    std::u16string installed;
    int32_t kind, platformKind, legacy, mark;
  } cases[] = {
      {"product key wins", L"{X}", ~0u, kCodeRelease1, nullptr, u"{X}", 0, 0, 0, 0},
      {"nothing", nullptr, ~0u, nullptr, nullptr, u"", 0, 0, 0, 0},
      {"standard through release 1", nullptr, ~0u, kCodeRelease1, nullptr, kCodeStandard, 1, 0, 1, 1},
      {"standard through its own key", nullptr, ~0u, kCodeStandard, nullptr, kCodeStandard, 3, 0, 0, 1},
      {"standard on KVTG80", nullptr, ~0u, kCodeRelease2, u"KVTG80", kCodeStandard, 2, 3, 0, 1},
      {"cloud on KVRD00", nullptr, 1, kCodeRelease1, u"KVRD00", kCodeCloudRD, 1, 6, 1, 0},
      {"not cloud on KVWQ00", nullptr, 0, kCodeRelease1, u"KVWQ00", kCodeWQ, 1, 4, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ClearMachine();
    ResetRunState();
    if (c.productId) SetString(HKEY_LOCAL_MACHINE, kProduct, L"PRODUCTID", c.productId);
    if (c.cloud != ~0u) SetDword(HKEY_LOCAL_MACHINE, kProduct, L"CloudEnable", c.cloud);
    if (c.uninstallCode)
      SetString(HKEY_LOCAL_MACHINE, Uninstall(c.uninstallCode), L"UninstallString", L"u.exe");
    if (c.platform) CreateKey(HKEY_LOCAL_MACHINE, Platform(c.platform));
    DetectInstalledProduct();
    EXPECT_EQ(g_runState.installedCode, c.installed);
    EXPECT_EQ(g_runState.uninstallKeyKind, c.kind);
    EXPECT_EQ(g_runState.platformKind, c.platformKind);
    EXPECT_EQ(g_runState.legacyInstall, c.legacy);
    EXPECT_EQ(g_runState.markConsumerUpgrade, c.mark);
  }
}

}  // namespace
