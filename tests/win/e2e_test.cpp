// oltrevan.exe itself, run in a package folder under Wine against the real
// registry, with stand-ins for setup.exe and the installed edition's
// uninstaller, and Wine's own regedit.exe. One row per road and edge case.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <thread>

#include "app/product_codes.h"
#include "app/win32.h"
#include "registry_support.h"
#include "test_support.h"

namespace {

const std::wstring kProduct = W(productKeyPath);
const std::wstring kLegacy = W(legacyUserKeyPath);
const std::string kDwordOne("\x01\0\0\0", 4);

std::wstring Entry(const char16_t* code) { return std::wstring(W(UninstallKeyPath(code))); }
std::wstring Platform(const char16_t* platform) { return std::wstring(W(PlatformKeyPath(platform))); }
std::string Narrow(const char16_t* s) { return std::string(s, s + std::char_traits<char16_t>::length(s)); }

std::string Iss(const char16_t* productId) {
  return "[InstallShield Silent]\r\nVersion=v7.00\r\nFile=Response File\r\n[OLTREVAN]\r\nPRODUCTID=" +
         Narrow(productId) + "\r\n[Application]\r\nName=Kestrowan Dodarodu\r\n";
}

void ClearRegistry() {
  DeleteKeyTree(HKEY_LOCAL_MACHINE, L"Software\\Kestrowan Inc.");
  DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\Kestrowan Inc.");
  DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\Corvanta Inc.");
  for (const char16_t* code :
       {kCodePro, kCodeStandard, kCodeRelease1, kCodeRelease2, kCodeCloudRD, kCodeCloudMBR, kCodeWQ})
    DeleteKeyTree(HKEY_LOCAL_MACHINE, Entry(code));
}

// Wine's own switch for loading a DLL or program: "" disables it, "native,builtin"
// prefers a file of that name over Wine's built-in code.
const wchar_t kWineOverrides[] = L"Software\\Wine\\DllOverrides";
void OverrideDll(const wchar_t* dll, const wchar_t* mode) {
  SetString(HKEY_CURRENT_USER, kWineOverrides, dll, mode);
}

enum class Answer { kNone, kContinue, kCancel, kClose };

struct Seen {
  DWORD exitCode = 259;
  std::wstring dialog;  // "prompt", "missing" or empty
  std::wstring caption, text;
};

class EndToEndTest : public testing::Test {
 public:
  void SetUp() override {
    ClearRegistry();
    CreateDirectoryW(installed_.c_str(), nullptr);
    InstallStandIn(installed_ + L"\\uninst.exe");
    InstallStandIn(package_.File(L"setup.exe"));
    CopyFileW(OltrevanExe().c_str(), package_.File(L"oltrevan.exe").c_str(), FALSE);
    SetEnv(L"UNINST_ISS_COPY", package_.Path() + L"-seen.iss");
  }
  void TearDown() override {
    ClearRegistry();
    for (const wchar_t* name : {L"UNINST_ISS_COPY", L"UNINST_REMOVE_KEY", L"PLANTED_MARKER"})
      SetEnv(name, L"");
    for (const wchar_t* dll : {L"gdiplus", L"wtsapi32", L"regedit.exe"})
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kWineOverrides, dll);
    DeleteFileW((package_.Path() + L"-seen.iss").c_str());
  }

  static std::wstring OltrevanExe() {
    std::wstring path = Widen(getenv("OLTREVAN_EXE") ? getenv("OLTREVAN_EXE") : "");
    if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
    return path;
  }

  // The installed edition's InstallShield entry, pointing at the stand-in uninstaller.
  void InstallEntry(const char16_t* code) {
    SetString(HKEY_LOCAL_MACHINE, Entry(code), L"UninstallString", UninstallString());
  }
  std::wstring UninstallString() const { return L"\"" + installed_ + L"\\uninst.exe\" -removeonly"; }

  // Runs oltrevan-report.exe in the package folder and returns what it printed.
  std::string Report(const std::wstring& tail) {
    static int calls = 0;
    const std::wstring out = package_.Path() + L"-report" + std::to_wstring(++calls) + L".txt";
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE file =
        CreateFileW(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    std::wstring command = L"oltrevan-report.exe " + tail;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = file;
    startup.hStdError = file;
    PROCESS_INFORMATION info = {};
    const std::wstring exe =
        OltrevanExe().substr(0, OltrevanExe().find_last_of(L"\\/") + 1) + L"oltrevan-report.exe";
    // Detached: no console host is started that could hold the output file open.
    if (!CreateProcessW(exe.c_str(), &command[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                        package_.Path().c_str(), &startup, &info)) {
      ADD_FAILURE() << "oltrevan-report.exe did not start";
    } else {
      WaitForSingleObject(info.hProcess, 60000);
      DWORD code = 1;
      GetExitCodeProcess(info.hProcess, &code);
      EXPECT_EQ(code, 0u);
      CloseHandle(info.hProcess);
      CloseHandle(info.hThread);
    }
    CloseHandle(file);
    const std::string text = ReadBytes(out);
    DeleteFileW(out.c_str());
    return text;
  }

  // Runs oltrevan.exe in the package folder and answers its dialog.
  Seen Run(const std::wstring& tail, Answer answer) {
    std::wstring command = L"oltrevan.exe " + tail;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    Seen seen;
    if (!CreateProcessW(package_.File(L"oltrevan.exe").c_str(), &command[0], nullptr, nullptr, FALSE, 0,
                        nullptr, package_.Path().c_str(), &startup, &info)) {
      ADD_FAILURE() << "oltrevan.exe did not start";
      return seen;
    }
    std::thread driver([&] { Answer(info.dwProcessId, info.hProcess, answer, seen); });
    if (WaitForSingleObject(info.hProcess, 120000) != WAIT_OBJECT_0) {
      ADD_FAILURE() << "oltrevan.exe did not end";
      TerminateProcess(info.hProcess, 1);
    }
    driver.join();
    GetExitCodeProcess(info.hProcess, &seen.exitCode);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return seen;
  }

  struct Search {
    DWORD processId;
    HWND found;
  };
  static BOOL CALLBACK FindDialogOf(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (owner != s->processId || lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    s->found = window;
    return FALSE;
  }

  static void Answer(DWORD processId, HANDLE process, enum Answer answer, Seen& seen) {
    Search search = {processId, nullptr};
    while (WaitForSingleObject(process, 20) == WAIT_TIMEOUT) {
      EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
      if (search.found == nullptr) continue;
      wchar_t text[512] = {};
      GetWindowTextW(search.found, text, 512);
      seen.caption = text;
      const bool prompt = GetDlgItem(search.found, 1005) != nullptr;
      seen.dialog = prompt ? L"prompt" : L"missing";
      GetWindowTextW(GetDlgItem(search.found, prompt ? 1005 : 1003), text, 512);
      seen.text = text;
      if (answer == Answer::kContinue) PostMessageW(search.found, WM_COMMAND, IDOK, 0);
      if (answer == Answer::kCancel) PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
      if (answer == Answer::kClose || answer == Answer::kNone)
        PostMessageW(search.found, WM_SYSCOMMAND, SC_CLOSE, 0);
      WaitForSingleObject(process, 30000);
      return;
    }
  }

  // A stand-in log line with {pkg} and {inst} replaced.
  std::wstring Line(std::wstring line) const {
    for (auto [from, to] :
         {std::pair<std::wstring, std::wstring>{L"{pkg}", package_.Path()}, {L"{inst}", installed_}}) {
      for (size_t at; (at = line.find(from)) != std::wstring::npos;) line.replace(at, from.size(), to);
    }
    return line;
  }

  ScratchDirectory package_;
  std::wstring installed_ = package_.Path() + L" installed";
  StandInLog log_;
  DebugOutputListener debug_;
};

struct Scenario {
  const char* name;
  const char* road;  // as the report names it
  std::function<void(EndToEndTest&)> seed;
  std::string iss;
  std::wstring tail;
  Answer answer;
  std::wstring dialog;
  std::vector<std::wstring> children;  // stand-in log lines
  std::vector<std::wstring> debug;
  const char16_t* substitute;   // the code in the uninstaller's answer file; nullptr: it got none
  std::function<void()> check;  // registry afterwards
};

const std::wstring kUninstall = L"UNINST|\"{inst}\\uninst.exe\" -removeonly";
const std::wstring kSuffix = L" -s -f1\"{pkg}\\setup.iss\"";

// Everything oltrevan.exe may change: its registry keys and the package folder.
std::map<std::wstring, std::string> MachineState(const std::wstring& folder) {
  std::map<std::wstring, std::string> state;
  const std::pair<HKEY, const wchar_t*> keys[] = {
      {HKEY_LOCAL_MACHINE, L"Software\\Kestrowan Inc."},
      {HKEY_CURRENT_USER, L"Software\\Kestrowan Inc."},
      {HKEY_CURRENT_USER, L"Software\\Corvanta Inc."},
      {HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"}};
  for (const auto& [root, path] : keys) {
    for (const auto& [name, value] : Snapshot(root, path))
      state[std::wstring(path) + name] = std::to_string(value.first) + ":" + value.second;
  }
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do state[L"file:" + std::wstring(found.cFileName)] = ReadBytes(folder + L"\\" + found.cFileName);
    while (FindNextFileW(find, &found));
    FindClose(find);
  }
  return state;
}

void SaveForJsonCheck(const std::string& json, const char* name) {
  const char* dir = getenv("REPORT_JSON_DIR");
  if (dir == nullptr) return;
  std::wstring path = Widen(dir);
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  CreateDirectoryW(path.c_str(), nullptr);
  WriteBytes(path + L"\\" + Widen(name) + L".json", json);
}

void ExpectDword(HKEY root, const std::wstring& value, bool present) {
  EXPECT_EQ(GetValue(root, kProduct, value).second, present ? kDwordOne : std::string()) << value.size();
}

TEST_F(EndToEndTest, EveryRoad) {
  const std::wstring setup = L"SETUP|setup.exe|{pkg}", setupSilent = L"SETUP|setup.exe -s|{pkg}";
  auto productKeyNames = [](const wchar_t* code) {
    return [code](EndToEndTest&) { SetString(HKEY_LOCAL_MACHINE, kProduct, L"PRODUCTID", code); };
  };
  auto standardInstalledBy = [](const char16_t* entry) {
    return [entry](EndToEndTest& t) {
      SetString(HKEY_LOCAL_MACHINE, kProduct, L"PRODUCTID", W(kCodeStandard));
      t.InstallEntry(entry);
      SetEnv(L"UNINST_REMOVE_KEY", Entry(entry) + L";" + kProduct);
    };
  };
  // The standard edition from an older installation, with settings in both product keys
  // and in the older company's per-user key; the uninstaller removes entry and settings.
  auto olderStandard = [](bool uninstallSucceeds) {
    return [uninstallSucceeds](EndToEndTest& t) {
      t.InstallEntry(kCodeRelease1);
      SetString(HKEY_LOCAL_MACHINE, kProduct, L"Server", L"machine setting");
      SetString(HKEY_CURRENT_USER, kProduct, L"Viewer", L"user setting");
      SetString(HKEY_CURRENT_USER, kLegacy + L"\\Options", L"Colors", L"legacy setting");
      if (uninstallSucceeds)
        SetEnv(L"UNINST_REMOVE_KEY", Entry(kCodeRelease1) + L";" + kProduct + L";HKCU\\" + kProduct);
    };
  };
  auto olderStandardRestored = [] {
    EXPECT_EQ(GetValue(HKEY_LOCAL_MACHINE, kProduct, L"Server").second.size(), 32u);
    EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kProduct, L"Viewer").second.size(), 26u);
    EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kProduct + L"\\Options", L"Colors").second.size(), 30u);
    EXPECT_TRUE(KeyPresent(HKEY_CURRENT_USER, kLegacy));
    ExpectDword(HKEY_LOCAL_MACHINE, L"ConsumerUpgrade", true);
    ExpectDword(HKEY_CURRENT_USER, L"UpdateHint", true);
  };
  auto noMarkers = [] {
    ExpectDword(HKEY_LOCAL_MACHINE, L"ConsumerUpgrade", false);
    ExpectDword(HKEY_CURRENT_USER, L"UpdateHint", false);
  };

  auto standardOwnKey = [](EndToEndTest& t) { t.InstallEntry(kCodeStandard); };
  auto cloudOnKvrd00 = [](EndToEndTest& t) {
    t.InstallEntry(kCodeRelease1);
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"CloudEnable", 1);
    CreateKey(HKEY_LOCAL_MACHINE, Platform(u"KVRD00"));
    SetString(HKEY_CURRENT_USER, kLegacy, L"Colors", L"legacy");
    SetEnv(L"UNINST_REMOVE_KEY", Entry(kCodeRelease1));
  };
  auto noEditor = [&](EndToEndTest& t) {
    olderStandard(true)(t);
    OverrideDll(L"regedit.exe", L"");
  };
  auto noGdiplus = [&](EndToEndTest& t) {
    standardInstalledBy(kCodeStandard)(t);
    OverrideDll(L"gdiplus", L"");
  };
  auto entryStays = [] { EXPECT_TRUE(KeyPresent(HKEY_LOCAL_MACHINE, Entry(kCodeStandard))); };
  auto consumerUpgrade = [] { ExpectDword(HKEY_LOCAL_MACHINE, L"ConsumerUpgrade", true); };
  auto bothMarkers = [] {
    ExpectDword(HKEY_LOCAL_MACHINE, L"ConsumerUpgrade", true);
    ExpectDword(HKEY_CURRENT_USER, L"UpdateHint", true);
  };
  auto cloudUntouched = [&] {
    noMarkers();
    EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kProduct, L"Colors").first, static_cast<DWORD>(REG_NONE));
  };
  auto nothingRestored = [] {
    EXPECT_FALSE(KeyPresent(HKEY_CURRENT_USER, kProduct + L"\\Options"));
    ExpectDword(HKEY_LOCAL_MACHINE, L"ConsumerUpgrade", true);
  };
  const std::string noId = "[OLTREVAN]\r\nPRODUCTPATCH=2\r\n", patch1 = "[OLTREVAN]\r\nPRODUCTPATCH=1\r\n";
  const std::wstring swapped = kUninstall + kSuffix + L"|{pkg}";
  const std::wstring swappedDebug = L"\"{inst}\\uninst.exe\" -removeonly" + kSuffix;
  const std::wstring done = L"RunUnInstall successfully";
  const enum Answer none = Answer::kNone;

  // clang-format off
  const Scenario scenarios[] = {
  // name, road (as the report names it), seed, answer file, tail, answer, dialog,
  //   children, debugger lines, code in the uninstaller's answer file, registry check
  {"missing product id, silent", "missing-product-id", nullptr, noId, L"-s", none, L"missing",
     {}, {}, nullptr, nullptr},
  {"PRODUCTPATCH 1, nothing installed", "nothing-installed", nullptr, patch1, L"", none, L"",
     {setup}, {}, nullptr, nullptr},
  {"nothing installed, silent", "nothing-installed", nullptr, Iss(kCodePro), L"/S", none, L"",
     {setupSilent}, {}, nullptr, nullptr},
  {"product key names the package's code", "current-installation", productKeyNames(W(kCodePro)), Iss(kCodePro), L"", none, L"",
     {setup}, {}, nullptr, noMarkers},
  {"other edition, Continue", "other-edition", standardInstalledBy(kCodeStandard), Iss(kCodePro), L"", Answer::kContinue, L"prompt",
     {kUninstall + L"|{pkg}", setup}, {done}, nullptr, nullptr},
  {"other edition, Cancel", "other-edition", standardInstalledBy(kCodeStandard), Iss(kCodePro), L"", Answer::kCancel, L"prompt",
     {}, {}, nullptr, entryStays},
  {"other edition, prompt closed", "other-edition", standardInstalledBy(kCodeStandard), Iss(kCodePro), L"", Answer::kClose, L"prompt",
     {}, {}, nullptr, entryStays},
  {"other edition, silent", "other-edition", standardInstalledBy(kCodeStandard), Iss(kCodePro), L"-s", none, L"",
     {swapped, setupSilent}, {swappedDebug, done}, kCodeStandard, nullptr},
  {"standard through its own uninstall key", "current-installation", standardOwnKey, Iss(kCodeStandard), L"", none, L"",
     {setup}, {}, nullptr, consumerUpgrade},
  {"older standard edition, silent", "older-installation", olderStandard(true), Iss(kCodeStandard), L"-s", none, L"",
     {swapped, setup}, {swappedDebug, done}, kCodeRelease1, olderStandardRestored},
  {"older standard edition, uninstall fails", "older-installation", olderStandard(false), Iss(kCodeStandard), L"", none, L"",
     {swapped}, {swappedDebug}, kCodeRelease1, bothMarkers},
  {"cloud on KVRD00, same code", "older-installation", cloudOnKvrd00, Iss(kCodeCloudRD), L"", none, L"",
     {swapped, setup}, {swappedDebug, done}, kCodeRelease1, cloudUntouched},
  {"other code with no uninstall entry, Continue", "other-edition", productKeyNames(W(kCodeStandard)), Iss(kCodePro), L"", Answer::kContinue, L"prompt",
     {setup}, {done}, nullptr, nullptr},
  {"registry editor cannot start", "older-installation", noEditor, Iss(kCodeStandard), L"", none, L"",
     {swapped, setup}, {swappedDebug, done}, kCodeRelease1, nothingRestored},
  {"GDI+ unavailable", "other-edition", noGdiplus, Iss(kCodePro), L"-s", none, L"",
     {}, {}, nullptr, entryStays},
  };
  // clang-format on
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    TearDown();
    SetUp();
    WriteBytes(package_.File(L"setup.iss"), s.iss);
    if (s.seed) s.seed(*this);
    const size_t logBefore = log_.Lines().size(), debugBefore = debug_.Lines().size();

    // The report names the road that the program then takes, and changes nothing.
    const auto before = MachineState(package_.Path());
    const std::string json = Report(L"--json " + s.tail);
    EXPECT_NE(json.find(std::string("\"road\": \"") + s.road + "\""), std::string::npos) << json;
    EXPECT_TRUE(MachineState(package_.Path()) == before);
    EXPECT_EQ(log_.Lines().size(), logBefore);
    SaveForJsonCheck(json, s.name);

    const Seen seen = Run(s.tail, s.answer);

    EXPECT_EQ(seen.exitCode, 0u);
    EXPECT_EQ(seen.dialog, s.dialog);
    if (seen.dialog == L"prompt") {
      EXPECT_EQ(seen.caption, L"Kestrowan Dodarodu Pro");
      EXPECT_EQ(seen.text.substr(0, 40), L"You currently have another version of Ke");
    }
    if (seen.dialog == L"missing") {
      EXPECT_EQ(seen.caption, L"Kestrowan Dodarodu");
      EXPECT_EQ(seen.text, L"Can't get PRODUCTID from iss file.\nPlease check iss file again.");
    }
    const std::vector<std::wstring> lines = log_.Lines(), debugLines = debug_.Lines();
    std::vector<std::wstring> expected, expectedDebug;
    for (const auto& line : s.children) expected.push_back(Line(line));
    for (const auto& line : s.debug) expectedDebug.push_back(Line(line));
    EXPECT_EQ(std::vector<std::wstring>(lines.begin() + logBefore, lines.end()), expected);
    EXPECT_EQ(std::vector<std::wstring>(debugLines.begin() + debugBefore, debugLines.end()), expectedDebug);
    const std::string seenIss = ReadBytes(package_.Path() + L"-seen.iss");
    EXPECT_EQ(seenIss, s.substitute ? Iss(s.substitute) : std::string());
    EXPECT_EQ(ReadBytes(package_.File(L"setup.iss")), s.iss);  // the package's answer file, byte for byte
    for (const wchar_t* leftover : {L"setup.bak", L"backup.reg", L"backup_machine.reg"})
      EXPECT_FALSE(FileExists(package_.File(leftover))) << leftover;
    if (s.check) s.check();
  }
}

TEST_F(EndToEndTest, DllsPlantedBesideTheProgramAreNeverLoaded) {
  std::wstring planted = Widen(getenv("PLANTED_DLL") ? getenv("PLANTED_DLL") : "");
  if (!planted.empty() && planted[0] == L'/') planted = L"Z:" + planted;
  const std::wstring marker = package_.Path() + L"-planted";
  DeleteFileW(marker.c_str());
  SetEnv(L"PLANTED_MARKER", marker);
  for (const wchar_t* dll : {L"gdiplus", L"wtsapi32"}) {
    ASSERT_TRUE(CopyFileW(planted.c_str(), package_.File(std::wstring(dll) + L".dll").c_str(), FALSE));
    OverrideDll(dll, L"native,builtin");  // Wine would otherwise keep its own code whatever the file
  }
  // The older-installation road reaches the session service (per-user keys) and GDI+.
  InstallEntry(kCodeRelease1);
  SetEnv(L"UNINST_REMOVE_KEY", Entry(kCodeRelease1));
  WriteBytes(package_.File(L"setup.iss"), Iss(kCodeStandard));

  const Seen seen = Run(L"", Answer::kNone);

  EXPECT_EQ(seen.exitCode, 0u);
  EXPECT_EQ(log_.Lines().back(), Line(L"SETUP|setup.exe|{pkg}"));  // GDI+ came from the system
  ExpectDword(HKEY_CURRENT_USER, L"UpdateHint", true);
  EXPECT_FALSE(FileExists(marker));
  // The planted file is a live one: loading it by name from its folder runs it.
  HMODULE loaded = LoadLibraryW(package_.File(L"wtsapi32.dll").c_str());
  EXPECT_TRUE(FileExists(marker));
  if (loaded) FreeLibrary(loaded);
  DeleteFileW(marker.c_str());
}

TEST_F(EndToEndTest, ReportWarnsOfWhatWouldGoWrong) {
  const std::string utf16("\xFF\xFE[\0O\0]\0", 8);
  const struct {
    const char* name;
    std::function<void(EndToEndTest&)> seed;
    std::string iss;
    const char* warning;
  } cases[] = {
      {"setup.bak in the way", [](EndToEndTest& t) { WriteBytes(t.package_.File(L"setup.bak"), "old"); },
       Iss(kCodePro), "\"setup.bak\" is already in the folder"},
      {"code not in the answer file", nullptr, "[OLTREVAN]\r\nPRODUCTPATCH=1\r\n",
       "the package's code does not occur in the answer file"},
      {"code only in another case", nullptr,
       "[OLTREVAN]\r\nPRODUCTPATCH=1\r\n[{b47d2c90-5e18-4a6f-8c3b-92e0f1a7d5c6}-DlgOrder]\r\n",
       "only in another letter case"},
      {"UTF-16 answer file", nullptr, utf16, "the answer file is UTF-16"},
      {"zero byte inside", nullptr, Iss(kCodePro) + std::string("\0tail", 5), "holds a zero byte"},
      {"uninstall command too long",
       [](EndToEndTest&) {
         SetString(HKEY_LOCAL_MACHINE, kProduct, L"PRODUCTID", W(kCodeStandard));
         SetString(HKEY_LOCAL_MACHINE, Entry(kCodeStandard), L"UninstallString",
                   L"u.exe " + std::wstring(240, L'x'));
       },
       Iss(kCodePro), "characters: it would not be started"},
      {"no setup.exe", [](EndToEndTest& t) { DeleteFileW(t.package_.File(L"setup.exe").c_str()); },
       Iss(kCodePro), "no \"setup.exe\" in the folder"},
      {"read-only uninstall key",
       [](EndToEndTest&) {
         SetString(HKEY_LOCAL_MACHINE, Entry(kCodeStandard), L"UninstallString", L"u.exe");
         RestrictToRead(HKEY_LOCAL_MACHINE, Entry(kCodeStandard));
       },
       Iss(kCodeStandard), "refuses full access: it counts as absent"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    DeleteFileW(package_.File(L"setup.bak").c_str());
    WriteBytes(package_.File(L"setup.iss"), c.iss);
    if (c.seed) c.seed(*this);
    const std::string text = Report(L"-s");
    EXPECT_NE(text.find(std::string("Warning: ")), std::string::npos) << text;
    EXPECT_NE(text.find(c.warning), std::string::npos) << text;
    InstallStandIn(package_.File(L"setup.exe"));
  }
}

}  // namespace
