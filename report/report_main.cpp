// oltrevan-report.exe: what oltrevan.exe would do on this machine, from the
// same detection and the same choice of road, changing nothing: no registry
// write, no file written, renamed or deleted, no child process, no dialog.
// Run it in the package folder with the tail that oltrevan.exe would get;
// "--json" first asks for machine-readable output.
#include "app/answer_file_settings.h"
#include "app/command_tail.h"
#include "app/decision.h"
#include "app/detection.h"
#include "app/product_codes.h"
#include "app/run_state.h"
#include "app/silent_switch.h"
#include "app/win32.h"
#include "registry/registry.h"
#include "report/report.h"
#include "setup/answer_file_swap.h"
#include "setup/replace.h"

namespace {

std::u16string ProfileValue(const std::u16string& file, const wchar_t* key, const wchar_t* fallback) {
  wchar_t value[MAX_PATH] = {};
  ::GetPrivateProfileStringW(L"OLTREVAN", key, fallback, value, 256, W(file));
  return U16(value);
}

bool Exists(const char16_t* name) {
  return ::GetFileAttributesW(W(PathInCurrentDirectory(name))) != INVALID_FILE_ATTRIBUTES;
}

void ReadAnswerFile(ReportFacts& f) {
  const std::u16string path = PathInCurrentDirectory(u"setup.iss");
  f.productIdValue = ProfileValue(path, L"PRODUCTID", L"");
  f.productPatchValue = ProfileValue(path, L"PRODUCTPATCH", L"0");
  ScopedHandle file(::CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
  f.answerFilePresent = file.Valid();
  if (!file.Valid()) return;
  std::string bytes(::GetFileSize(file.Get(), nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty() && ::ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr))
    bytes.resize(read);
  const std::u16string text = DecodeAnswerText(bytes);
  f.answerFileUtf16 = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
  f.answerFileZeroByte =
      f.answerFileUtf16 ? text.size() < (bytes.size() - 2) / 2 : bytes.find('\0') != bytes.npos;
  f.codeOccurrences = CountOccurrences(text, g_runState.productId);
  f.codeOccurrencesAnyCase = CountOccurrences(AsciiLower(text), AsciiLower(g_runState.productId));
}

UninstallKeyFact UninstallKey(int32_t kind, const std::u16string& code) {
  MachineRegistry registry;
  UninstallKeyFact key;
  key.kind = kind;
  key.code = code;
  const std::u16string path = UninstallKeyPath(code);
  key.opensWithFullAccess = registry.KeyExists(path) != 0;
  key.opensForReading = registry.Open(path, 0) != 0;
  if (key.opensForReading) key.uninstallString = registry.ReadString(u"UninstallString");
  return key;
}

void ReadRegistry(ReportFacts& f) {
  MachineRegistry registry;
  f.productKeyPresent = registry.Open(productKeyPath, 0) != 0;
  if (f.productKeyPresent) f.installedProductIdValue = registry.ReadString(u"PRODUCTID");
  f.cloud = ReadCloudEnableFlag();
  for (const UninstallKeyKind& kind : kUninstallKeyKinds)
    f.uninstallKeys.push_back(UninstallKey(kind.kind, kind.code));
  for (const PlatformKind& platform : kPlatformKinds) {
    MachineRegistry probe;
    f.platforms.push_back({platform.platform, probe.Open(PlatformKeyPath(platform.platform), 0) != 0});
  }
}

bool Write(const std::string& utf8) {
  const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0, written = 0;
  if (::GetConsoleMode(out, &mode)) {
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
    return ::WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
  }
  return ::WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) &&
         written == utf8.size();
}

}  // namespace

int wmain() {
  std::u16string tail(CommandTail(U16(::GetCommandLineW())));
  const bool json = tail.compare(0, 6, u"--json") == 0 && (tail.size() == 6 || tail[6] <= u' ');
  if (json) tail = std::u16string(CommandTail(tail));

  ReportFacts f;
  f.commandTail = tail;
  f.silentSwitch = FindSilentSwitch(tail);
  f.directory = CurrentDirectory();
  g_runState.silent = IsSilentCommandLine(tail);
  ReadAnswerFileSettings();
  ReadAnswerFile(f);
  f.setupBakPresent = Exists(u"setup.bak");
  f.setupExePresent = Exists(u"setup.exe");

  g_runState.titleStringId = ChooseTitleStringId(g_runState.productId);
  DetectInstalledProduct();
  ReadRegistry(f);
  if (!g_runState.installedCode.empty() && g_runState.uninstallKeyKind == 0)
    f.uninstallKeys.push_back(UninstallKey(0, g_runState.installedCode));
  f.road = ChooseRoad(g_runState);

  const bool uninstallRoad = f.road == Road::kOtherEdition || f.road == Road::kOlderInstallation;
  const bool silentUninstall = f.road == Road::kOlderInstallation || g_runState.silent;
  if (uninstallRoad) ChooseSubstituteCode(f.substituteCode);
  f.swapWouldBeMade = uninstallRoad && silentUninstall && f.answerFilePresent && !f.setupBakPresent &&
                      !f.substituteCode.empty() && !g_runState.productId.empty();
  f.state = g_runState;
  return Write(json ? FormatReportJson(f) : FormatReportText(f)) ? 0 : 2;
}
