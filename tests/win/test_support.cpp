#include "test_support.h"

#include <shellapi.h>

#include <cstdlib>

ScratchDirectory::ScratchDirectory() {
  wchar_t temp[MAX_PATH] = {}, current[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  GetCurrentDirectoryW(MAX_PATH, current);
  previous_ = current;
  static unsigned counter = 0;
  for (;;) {
    path_ = std::wstring(temp) + L"oltrevan-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    if (CreateDirectoryW(path_.c_str(), nullptr)) break;
  }
  SetCurrentDirectoryW(path_.c_str());
}

ScratchDirectory::~ScratchDirectory() {
  SetCurrentDirectoryW(previous_.c_str());
  std::wstring from = path_ + L'\0';
  SHFILEOPSTRUCTW op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NO_UI;
  SHFileOperationW(&op);
}

std::string ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  if (!bytes.empty()) WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::wstring Widen(const std::string& utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
  return wide;
}

std::wstring StandInExe() {
  wchar_t value[MAX_PATH] = {};
  GetEnvironmentVariableW(L"STANDIN_EXE", value, MAX_PATH);
  std::wstring path = value;
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;  // a Unix path, seen through drive Z:
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

void InstallStandIn(const std::wstring& path) { CopyFileW(StandInExe().c_str(), path.c_str(), FALSE); }

StandInLog::StandInLog() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + L"standin-" + std::to_wstring(GetCurrentProcessId()) + L".log";
  DeleteFileW(path_.c_str());
  SetEnv(L"STANDIN_LOG", path_);
}

StandInLog::~StandInLog() {
  DeleteFileW(path_.c_str());
  SetEnv(L"STANDIN_LOG", L"");
}

std::vector<std::wstring> StandInLog::Lines() const {
  std::vector<std::wstring> lines;
  std::wstring text = Widen(ReadBytes(path_));
  size_t start = 0;
  for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

void SetEnv(const std::wstring& name, const std::wstring& value) {
  SetEnvironmentVariableW(name.c_str(), value.empty() ? nullptr : value.c_str());
}
