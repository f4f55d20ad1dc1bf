// The registry accessor on Wine's real registry, with the per-user root's
// session and token calls replaced only where Wine cannot show a case.
#include "registry/registry.h"

#include <gtest/gtest.h>

#include <vector>

#include "registry/impersonate_user.h"
#include "registry/registry_platform.h"
#include "registry_support.h"
#include "test_support.h"

namespace {

const std::wstring kScratch = L"Software\\OltrevanTest";
const std::u16string kScratch16 = u"Software\\OltrevanTest";

class RegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kScratch);
    DeleteKeyTree(HKEY_CURRENT_USER, kScratch);
  }
  void TearDown() override { SetUp(); }
};

TEST_F(RegistryTest, StartsWithTheDocumentedFields) {
  CRegistry registry;
  EXPECT_EQ(registry.lastError, 0);
  EXPECT_EQ(registry.root, HKEY_CURRENT_USER);
  EXPECT_TRUE(registry.path.empty());
  EXPECT_EQ(registry.lazyWrite, 1u);
  EXPECT_EQ(registry.use64BitView, 0u);
}

TEST_F(RegistryTest, OpenCreatesOnlyWhenAskedAndKeepsThePathOnFailure) {
  CRegistry registry;
  registry.root = HKEY_LOCAL_MACHINE;
  EXPECT_EQ(registry.Open(kScratch16 + u"\\A", 0), 0);
  EXPECT_EQ(registry.lastError, ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(KeyPresent(HKEY_LOCAL_MACHINE, kScratch + L"\\A"));

  EXPECT_EQ(registry.Open(kScratch16 + u"\\A", 1), 1);
  EXPECT_TRUE(KeyPresent(HKEY_LOCAL_MACHINE, kScratch + L"\\A"));
  EXPECT_EQ(registry.path, kScratch16 + u"\\A");

  EXPECT_EQ(registry.Open(kScratch16 + u"\\Missing", 0), 0);
  EXPECT_EQ(registry.path, kScratch16 + u"\\A");  // value operations still act on A
  SetString(HKEY_LOCAL_MACHINE, kScratch + L"\\A", L"Name", L"in A");
  EXPECT_EQ(registry.ReadString(u"Name"), u"in A");

  EXPECT_EQ(registry.Open(u"", 0), 1);  // the root itself
  EXPECT_TRUE(registry.path.empty());
}

TEST_F(RegistryTest, KeyExistsNeedsFullAccess) {
  CreateKey(HKEY_LOCAL_MACHINE, kScratch + L"\\ReadOnly");
  MachineRegistry registry;
  EXPECT_EQ(registry.KeyExists(kScratch16 + u"\\ReadOnly"), 1);
  RestrictToRead(HKEY_LOCAL_MACHINE, kScratch + L"\\ReadOnly");
  EXPECT_EQ(registry.KeyExists(kScratch16 + u"\\ReadOnly"), 0);
  EXPECT_EQ(registry.Open(kScratch16 + u"\\ReadOnly", 0), 1);  // reading still works
  EXPECT_EQ(registry.KeyExists(kScratch16 + u"\\Missing"), 0);
  EXPECT_EQ(registry.path, kScratch16 + u"\\ReadOnly");  // KeyExists leaves the path alone
}

struct ValueCase {
  const char* name;
  DWORD type;
  std::string data;
  std::u16string text;
  DWORD valueType;
};

std::string Utf16Bytes(const std::u16string& s, bool terminated) {
  std::string bytes(reinterpret_cast<const char*>(s.data()), s.size() * 2);
  if (terminated) bytes.append(2, '\0');
  return bytes;
}

TEST_F(RegistryTest, ReadStringIsBoundedByTheReturnedBytes) {
  const std::u16string c1022(1022, u'a'), c1023(1023, u'b'), c1024(1024, u'c');
  const ValueCase cases[] = {
      {"terminated", REG_SZ, Utf16Bytes(u"C:\\uninst.exe -x", true), u"C:\\uninst.exe -x", REG_SZ},
      {"expand stays unexpanded", REG_EXPAND_SZ, Utf16Bytes(u"%windir%\\a.exe", true), u"%windir%\\a.exe",
       REG_EXPAND_SZ},
      {"not terminated", REG_SZ, Utf16Bytes(u"abc", false), u"abc", REG_SZ},
      {"odd byte count", REG_SZ, Utf16Bytes(u"abc", false) + "d", u"abc", REG_SZ},
      {"null inside", REG_SZ, Utf16Bytes(u"ab", true) + Utf16Bytes(u"cd", true), u"ab", REG_SZ},
      {"2046 bytes", REG_SZ, Utf16Bytes(c1022, true), c1022, REG_SZ},
      {"2048 bytes", REG_SZ, Utf16Bytes(c1023, true), c1023, REG_SZ},
      {"2050 bytes", REG_SZ, Utf16Bytes(c1024, true), u"", REG_SZ},
      {"dword", REG_DWORD, std::string("\x01\0\0\0", 4), u"", REG_DWORD},
      {"multi string", REG_MULTI_SZ, Utf16Bytes(u"a", true) + std::string(2, '\0'), u"", REG_MULTI_SZ},
      {"empty string", REG_SZ, std::string(), u"", REG_SZ},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetBytes(HKEY_LOCAL_MACHINE, kScratch, L"Value", c.type, c.data);
    MachineRegistry registry;
    ASSERT_EQ(registry.Open(kScratch16, 0), 1);
    EXPECT_EQ(registry.GetValueType(u"Value"), c.valueType);
    EXPECT_EQ(registry.ReadString(u"Value"), c.text);
  }
  MachineRegistry registry;
  ASSERT_EQ(registry.Open(kScratch16, 0), 1);
  EXPECT_EQ(registry.ReadString(u"Missing"), u"");
  EXPECT_EQ(registry.lastError, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(registry.GetValueType(u"Missing"), static_cast<DWORD>(REG_NONE));
}

TEST_F(RegistryTest, ReadCloudEnableTakesTheReturnedBytesWhateverTheType) {
  const struct {
    const char* name;
    DWORD type;
    std::string data;
    uint32_t value;
  } cases[] = {
      {"one", REG_DWORD, std::string("\x01\0\0\0", 4), 1},
      {"two", REG_DWORD, std::string("\x02\0\0\0", 4), 2},
      {"string 1", REG_SZ, Utf16Bytes(u"1", true), 49},
      {"two bytes", REG_BINARY, std::string("\x34\x12", 2), 0x1234},
      {"eight bytes", REG_BINARY, std::string(8, '\x01'), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetBytes(HKEY_LOCAL_MACHINE, kScratch, L"CloudEnable", c.type, c.data);
    MachineRegistry registry;
    ASSERT_EQ(registry.Open(kScratch16, 0), 1);
    EXPECT_EQ(registry.ReadCloudEnable(), c.value);
  }
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kScratch.c_str(), L"CloudEnable");
  MachineRegistry registry;
  ASSERT_EQ(registry.Open(kScratch16, 0), 1);
  EXPECT_EQ(registry.ReadCloudEnable(), 0u);
}

TEST_F(RegistryTest, SetFlagValueReplacesAnyTypeWithDwordOne) {
  SetString(HKEY_LOCAL_MACHINE, kScratch, L"Flag", L"text");
  MachineRegistry registry;
  ASSERT_EQ(registry.Open(kScratch16, 0), 1);
  EXPECT_EQ(registry.SetFlagValue(u"Flag"), 1);
  EXPECT_EQ(GetValue(HKEY_LOCAL_MACHINE, kScratch, L"Flag"),
            std::make_pair(DWORD{REG_DWORD}, std::string("\x01\0\0\0", 4)));
  registry.lazyWrite = 0;  // flushing changes nothing visible
  EXPECT_EQ(registry.SetFlagValue(u"Other"), 1);
}

TEST_F(RegistryTest, The64BitViewFlagReachesTheOtherView) {
  CreateKey(HKEY_LOCAL_MACHINE, kScratch + L"\\Only64", KEY_WOW64_64KEY);
  MachineRegistry registry;
  EXPECT_EQ(registry.Open(kScratch16 + u"\\Only64", 0), 0);
  registry.use64BitView = 1;
  EXPECT_EQ(registry.Open(kScratch16 + u"\\Only64", 0), 1);
  EXPECT_EQ(registry.KeyExists(kScratch16 + u"\\Only64"), 1);
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kScratch, KEY_WOW64_64KEY);
}

TEST_F(RegistryTest, PerUserRootReachesTheHiveOfRegOpenCurrentUser) {
  HKEY hive;
  ASSERT_EQ(RegOpenCurrentUser(KEY_ALL_ACCESS, &hive), ERROR_SUCCESS);
  SetString(hive, kScratch, L"Where", L"user hive");
  RegCloseKey(hive);
  CRegistry registry;  // root HKEY_CURRENT_USER
  ASSERT_EQ(registry.Open(kScratch16, 0), 1);
  EXPECT_EQ(registry.ReadString(u"Where"), u"user hive");
}

// A recording platform: which session tokens were asked for, whether the
// thread impersonated while the hive was opened, and every hive opened and closed.
struct Recorder {
  std::vector<ULONG> tokenSessions;
  int tokenFailures = 0;  // the first n token queries fail
  bool hiveFails = false;
  bool revertFails = false;
  bool impersonating = false;
  bool impersonatingAtHiveOpen = false;
  int endProcessCalls = 0;
  int tokensClosed = 0;
  std::vector<HKEY> hivesOpened, keysClosed;
  std::vector<HKEY> liveHives;
  std::string hiveEvents;  // "o" for a hive opened, "c" for an open hive closed
};
Recorder* g_recorder = nullptr;

BOOL WINAPI FakeSessionOfProcess(DWORD, DWORD* session) {
  *session = 7;
  return TRUE;
}
DWORD WINAPI FakeConsoleSession() { return 1; }
BOOL WINAPI FakeQueryUserToken(ULONG session, HANDLE* token) {
  g_recorder->tokenSessions.push_back(session);
  if (g_recorder->tokenFailures-- > 0) return FALSE;
  return DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), token, 0, FALSE,
                         DUPLICATE_SAME_ACCESS);
}
BOOL WINAPI FakeImpersonate(HANDLE) { return g_recorder->impersonating = true; }
BOOL WINAPI FakeRevert() {
  if (g_recorder->revertFails) return FALSE;
  g_recorder->impersonating = false;
  return TRUE;
}
BOOL WINAPI CountingCloseHandle(HANDLE h) {
  ++g_recorder->tokensClosed;
  return CloseHandle(h);
}
LONG WINAPI RecordingOpenCurrentUser(REGSAM access, HKEY* key) {
  g_recorder->impersonatingAtHiveOpen = g_recorder->impersonating;
  if (g_recorder->hiveFails) return ERROR_ACCESS_DENIED;
  LONG status = RegOpenCurrentUser(access, key);
  if (status == ERROR_SUCCESS) {
    g_recorder->hivesOpened.push_back(*key);
    g_recorder->liveHives.push_back(*key);
    g_recorder->hiveEvents += 'o';
  }
  return status;
}
LONG WINAPI RecordingCloseKey(HKEY key) {
  g_recorder->keysClosed.push_back(key);
  auto& live = g_recorder->liveHives;
  for (auto it = live.begin(); it != live.end(); ++it) {
    if (*it == key) {
      live.erase(it);
      g_recorder->hiveEvents += 'c';
      break;
    }
  }
  return RegCloseKey(key);
}
void WINAPI RecordingEndProcess(UINT) { ++g_recorder->endProcessCalls; }

// Installs the recording platform for one scope and restores the real one.
struct RecordingPlatform {
  explicit RecordingPlatform(Recorder& r) : saved(g_registryPlatform) {
    g_recorder = &r;
    g_registryPlatform = {FakeSessionOfProcess,     FakeConsoleSession, FakeQueryUserToken,
                          FakeImpersonate,          FakeRevert,         CountingCloseHandle,
                          RecordingOpenCurrentUser, RecordingCloseKey,  RecordingEndProcess};
  }
  ~RecordingPlatform() {
    g_registryPlatform = saved;
    g_recorder = nullptr;
  }
  RegistryPlatform saved;
};

int Count(const std::vector<HKEY>& keys, HKEY key) {
  int n = 0;
  for (HKEY k : keys) n += k == key;
  return n;
}

TEST_F(RegistryTest, EveryPerUserOperationOpensAndClosesItsOwnHive) {
  SetString(HKEY_CURRENT_USER, kScratch, L"Name", L"value");
  Recorder r;
  RecordingPlatform platform(r);
  CRegistry registry;
  ASSERT_EQ(registry.Open(kScratch16, 0), 1);
  EXPECT_EQ(registry.ReadString(u"Name"), u"value");  // two resolutions
  EXPECT_EQ(registry.KeyExists(kScratch16), 1);
  EXPECT_EQ(registry.SetFlagValue(u"Flag"), 1);
  registry.ReadCloudEnable();
  EXPECT_EQ(r.hiveEvents, "ococococococ");  // each hive closed before the next opens
  EXPECT_TRUE(r.liveHives.empty());
  EXPECT_TRUE(r.impersonatingAtHiveOpen);
  EXPECT_FALSE(r.impersonating);  // reverted right after the hive open
  EXPECT_EQ(r.tokensClosed, 6);
  EXPECT_EQ(r.tokenSessions, std::vector<ULONG>(6, 7));  // the own session, each time
}

TEST_F(RegistryTest, MachineRootIsNeverResolvedOrClosed) {
  CreateKey(HKEY_LOCAL_MACHINE, kScratch);
  Recorder r;
  RecordingPlatform platform(r);
  MachineRegistry registry;
  ASSERT_EQ(registry.Open(kScratch16, 0), 1);
  registry.ReadString(u"Name");
  EXPECT_TRUE(r.tokenSessions.empty());
  EXPECT_EQ(Count(r.keysClosed, HKEY_LOCAL_MACHINE), 0);
}

TEST_F(RegistryTest, PerUserRootFallsBackToTheProgramsOwnHive) {
  SetString(HKEY_CURRENT_USER, kScratch, L"Name", L"own hive");
  const struct {
    const char* name;
    int tokenFailures;
    bool hiveFails;
    std::vector<ULONG> sessions;
    bool impersonated;
  } cases[] = {
      {"console session after the own one", 1, false, {7, 1}, true},
      {"no token at all (not LocalSystem)", 2, false, {7, 1}, false},
      {"hive cannot be opened", 0, true, {7}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Recorder r;
    r.tokenFailures = c.tokenFailures;
    r.hiveFails = c.hiveFails;
    RecordingPlatform platform(r);
    CRegistry registry;
    ASSERT_EQ(registry.Open(kScratch16, 0), 1);
    EXPECT_EQ(r.tokenSessions, c.sessions);
    EXPECT_EQ(r.impersonatingAtHiveOpen, c.impersonated);
    EXPECT_FALSE(r.impersonating);
    EXPECT_EQ(registry.ReadString(u"Name"), u"own hive");
    EXPECT_EQ(Count(r.keysClosed, HKEY_CURRENT_USER), 0);
  }
}

TEST_F(RegistryTest, FailedRevertEndsTheProcess) {
  Recorder r;
  r.revertFails = true;
  RecordingPlatform platform(r);
  { CImpersonateUser user; }
  EXPECT_EQ(r.endProcessCalls, 1);
  EXPECT_EQ(r.tokensClosed, 1);
}

TEST(ImpersonateUser, RealPlatformRevertsAndClosesItsToken) {
  {
    CImpersonateUser user;
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    EXPECT_EQ(user.sessionId, session);
  }
  HANDLE token = nullptr;  // no thread token left behind
  EXPECT_FALSE(OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token));
}

}  // namespace
