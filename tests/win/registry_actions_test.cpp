// The markers, the legacy key copy, and the backup and restore through Wine's
// own regedit.exe.
#include <gtest/gtest.h>

#include "app/product_codes.h"
#include "app/win32.h"
#include "registry/backup.h"
#include "registry/maintenance.h"
#include "registry_support.h"
#include "test_support.h"

namespace {

const std::wstring kProduct = W(productKeyPath);
const std::wstring kLegacy = W(legacyUserKeyPath);
const std::string kDwordOne("\x01\0\0\0", 4);

class RegistryActionsTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kProduct);
    DeleteKeyTree(HKEY_CURRENT_USER, kProduct);
    DeleteKeyTree(HKEY_CURRENT_USER, kLegacy);
    ResetRunState();
  }
  void TearDown() override { SetUp(); }
};

TEST_F(RegistryActionsTest, MarkersCreateTheKeyAndReplaceAnyType) {
  SetConsumerUpgrade();
  EXPECT_EQ(GetValue(HKEY_LOCAL_MACHINE, kProduct, L"ConsumerUpgrade"),
            std::make_pair(DWORD{REG_DWORD}, kDwordOne));
  SetString(HKEY_LOCAL_MACHINE, kProduct, L"ConsumerUpgrade", L"yes");
  SetConsumerUpgrade();
  EXPECT_EQ(GetValue(HKEY_LOCAL_MACHINE, kProduct, L"ConsumerUpgrade"),
            std::make_pair(DWORD{REG_DWORD}, kDwordOne));

  SetUpdateHint();
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kProduct, L"UpdateHint"),
            std::make_pair(DWORD{REG_DWORD}, kDwordOne));
  EXPECT_EQ(GetValue(HKEY_LOCAL_MACHINE, kProduct, L"UpdateHint").first, static_cast<DWORD>(REG_NONE));
}

TEST_F(RegistryActionsTest, LegacyCopyWithoutLegacyKeyCreatesNothing) {
  EXPECT_EQ(CopyLegacyUserKey(), 0);
  EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, kProduct));
}

TEST_F(RegistryActionsTest, LegacyCopyReproducesTheTreeBesideWhatIsThere) {
  SetString(HKEY_CURRENT_USER, kLegacy, L"Server", L"host:5900");
  SetDword(HKEY_CURRENT_USER, kLegacy + L"\\Options", L"Colors", 16);
  SetString(HKEY_CURRENT_USER, kLegacy + L"\\Options\\Deep", L"Shared", L"from legacy");
  SetString(HKEY_CURRENT_USER, kProduct + L"\\Options\\Deep", L"Shared", L"old");
  SetString(HKEY_CURRENT_USER, kProduct, L"Kept", L"mine");
  const KeySnapshot legacy = Snapshot(HKEY_CURRENT_USER, kLegacy);

  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    EXPECT_EQ(CopyLegacyUserKey(), 1);
    KeySnapshot product = Snapshot(HKEY_CURRENT_USER, kProduct);
    EXPECT_EQ(product[L"|Kept"].second.size(), 10u);
    product.erase(L"|Kept");
    EXPECT_EQ(product, legacy);
    EXPECT_EQ(Snapshot(HKEY_CURRENT_USER, kLegacy), legacy);  // left in place
  }
}

// Values of every type, with names and data holding spaces, quotes and backslashes.
void SeedProductTree(HKEY root) {
  SetString(root, kProduct, L"PRODUCTID", L"{6A1F0E27-9C4B-4D8E-A5F2-1B7C3E9D0A41}");
  SetString(root, kProduct, L"Name with \"quotes\" and \\", L"C:\\Program Files\\\"x\" y");
  const wchar_t expand[] = L"%TEMP%\\a";
  SetValue(root, kProduct, L"Expand", REG_EXPAND_SZ, expand, sizeof(expand));
  SetDword(root, kProduct + L"\\Sub key", L"Dword", 0xDEADBEEF);
  const std::string binary("\x00\x01\xFF\x7F", 4);
  SetValue(root, kProduct + L"\\Sub key", L"Binary", REG_BINARY, binary.data(), 4);
  const wchar_t multi[] = L"one\0two words\0";
  SetValue(root, kProduct + L"\\Sub key\\Nested", L"Multi", REG_MULTI_SZ, multi, sizeof(multi));
  const unsigned long long qword = 0x0102030405060708ULL;
  SetValue(root, kProduct + L"\\Sub key\\Nested", L"", REG_QWORD, &qword, 8);
}

TEST_F(RegistryActionsTest, ExportAndRestoreRoundTripThroughRegedit) {
  ScratchDirectory dir;
  SeedProductTree(HKEY_CURRENT_USER);
  SeedProductTree(HKEY_LOCAL_MACHINE);
  const KeySnapshot user = Snapshot(HKEY_CURRENT_USER, kProduct);
  const KeySnapshot machine = Snapshot(HKEY_LOCAL_MACHINE, kProduct);

  EXPECT_EQ(ExportRegistryKey(u"backup.reg", kUserKeyArgument), 1);
  EXPECT_EQ(ExportRegistryKey(u"backup_machine.reg", kMachineKeyArgument), 1);
  EXPECT_TRUE(FileExists(dir.File(L"backup.reg")));
  EXPECT_TRUE(FileExists(dir.File(L"backup_machine.reg")));
  DeleteKeyTree(HKEY_CURRENT_USER, kProduct);
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kProduct);

  g_runState.uninstallSucceeded = 1;
  RestoreRegistryFile(u"backup.reg");
  RestoreRegistryFile(u"backup_machine.reg");
  EXPECT_EQ(Snapshot(HKEY_CURRENT_USER, kProduct), user);
  EXPECT_EQ(Snapshot(HKEY_LOCAL_MACHINE, kProduct), machine);
  EXPECT_FALSE(FileExists(dir.File(L"backup.reg")));
  EXPECT_FALSE(FileExists(dir.File(L"backup_machine.reg")));
}

TEST_F(RegistryActionsTest, RestoreAfterFailedUninstallDeletesWithoutImport) {
  ScratchDirectory dir;
  SeedProductTree(HKEY_CURRENT_USER);
  ASSERT_EQ(ExportRegistryKey(u"backup.reg", kUserKeyArgument), 1);
  DeleteKeyTree(HKEY_CURRENT_USER, kProduct);
  g_runState.uninstallAttempted = 1;
  RestoreRegistryFile(u"backup.reg");
  EXPECT_FALSE(FileExists(dir.File(L"backup.reg")));
  EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, kProduct));
}

TEST_F(RegistryActionsTest, ExportOfMissingKeyStillCountsAndRestorePassesQuietly) {
  ScratchDirectory dir;
  EXPECT_EQ(ExportRegistryKey(u"backup.reg", kUserKeyArgument), 1);
  EXPECT_FALSE(FileExists(dir.File(L"backup.reg")));  // regedit wrote nothing
  g_runState.uninstallSucceeded = 1;
  RestoreRegistryFile(u"backup.reg");
  EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, kProduct));
}

TEST_F(RegistryActionsTest, EditorThatCannotStartLeavesTheBackup) {
  ScratchDirectory dir;
  WriteBytes(dir.File(L"backup.reg"), "REGEDIT4\r\n");
  g_runState.uninstallSucceeded = 1;
  // Current directory too long for the child's 260-character buffer: nothing starts.
  const std::wstring deep = dir.Path() + L"\\" + std::wstring(200, L'd');
  ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
  ASSERT_TRUE(SetCurrentDirectoryW(deep.c_str()));
  WriteBytes(deep + L"\\backup.reg", "REGEDIT4\r\n");
  const std::u16string longName = u"backup" + std::u16string(250, u'x') + u".reg";
  RestoreRegistryFile(longName);  // "regedit.exe -s <name>" exceeds 259 characters
  EXPECT_EQ(ExportRegistryKey(longName, kUserKeyArgument), 0);
  SetCurrentDirectoryW(dir.Path().c_str());
}

}  // namespace
