// A stand-in for the package's setup.exe and an edition's uninstaller.
// Every run appends "<name>|<command line>|<working directory>" to the UTF-8
// file named by STANDIN_LOG. What else it does is read from variables that
// start with its own upper-case base name, so one environment can steer a
// setup.exe and an uninst.exe differently:
//   <NAME>_EXIT        exit code (default 0)
//   <NAME>_REMOVE_KEY  keys to delete, as an uninstaller removes its entry and
//                      settings: ';'-separated, each under HKLM unless it starts "HKCU\"
//   <NAME>_ISS_COPY    file to receive a copy of the answer file named by -f1"..."
//   <NAME>_CHILD_MS    start a child that outlives this process by that many ms
// Started as "<exe> --linger MS", it sleeps and then logs "<name>-child|end".
// With STANDIN_STAMP set it first logs "<name>-stamp|<performance counter>".
#include <windows.h>

#include <string>

namespace {

std::wstring Env(const std::wstring& name) {
  wchar_t value[4096];
  DWORD n = GetEnvironmentVariableW(name.c_str(), value, 4096);
  return n > 0 && n < 4096 ? std::wstring(value, n) : std::wstring();
}

void AppendLog(const std::wstring& line) {
  std::wstring log = Env(L"STANDIN_LOG");
  if (log.empty()) return;
  int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, &utf8[0], size, nullptr, nullptr);
  utf8.back() = '\n';
  for (int attempt = 0; attempt < 50; ++attempt) {
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
      CloseHandle(file);
      return;
    }
    Sleep(20);
  }
}

std::wstring BaseName() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name = path;
  name = name.substr(name.find_last_of(L"\\/") + 1);
  name = name.substr(0, name.find(L'.'));
  for (wchar_t& c : name) c = towupper(c);
  return name;
}

void CopyAnswerFile(const std::wstring& commandLine, const std::wstring& target) {
  size_t at = commandLine.find(L"-f1\"");
  if (at == std::wstring::npos) return;
  size_t start = at + 4, end = commandLine.find(L'"', start);
  if (end == std::wstring::npos) return;
  CopyFileW(commandLine.substr(start, end - start).c_str(), target.c_str(), FALSE);
}

void StartLingeringChild(const std::wstring& ms) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --linger " + ms;
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
}

void RemoveKeys(const std::wstring& list) {
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find(L';', start);
    if (end == std::wstring::npos) end = list.size();
    std::wstring key = list.substr(start, end - start);
    HKEY root = HKEY_LOCAL_MACHINE;
    if (key.rfind(L"HKCU\\", 0) == 0) {
      root = HKEY_CURRENT_USER;
      key = key.substr(5);
    }
    RegDeleteTreeW(root, key.c_str());
    RegDeleteKeyW(root, key.c_str());
    start = end + 1;
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR tail, int) {
  if (!Env(L"STANDIN_STAMP").empty()) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    AppendLog(BaseName() + L"-stamp|" + std::to_wstring(now.QuadPart));
  }
  const std::wstring name = BaseName();
  std::wstring args = tail;
  if (args.rfind(L"--linger ", 0) == 0) {
    Sleep(static_cast<DWORD>(_wtoi(args.c_str() + 9)));
    AppendLog(name + L"-child|end");
    return 0;
  }
  wchar_t directory[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, directory);
  const std::wstring commandLine = GetCommandLineW();
  AppendLog(name + L"|" + commandLine + L"|" + directory);

  std::wstring issCopy = Env(name + L"_ISS_COPY");
  if (!issCopy.empty()) CopyAnswerFile(commandLine, issCopy);
  RemoveKeys(Env(name + L"_REMOVE_KEY"));
  std::wstring childMs = Env(name + L"_CHILD_MS");
  if (!childMs.empty()) StartLingeringChild(childMs);
  return _wtoi(Env(name + L"_EXIT").c_str());
}
