#include "test_support.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>

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

void InstallStandIn(const std::wstring& path) {
  if (!CopyFileW(StandInExe().c_str(), path.c_str(), FALSE))
    ADD_FAILURE() << "cannot copy the stand-in (is STANDIN_EXE set?) to " << testing::PrintToString(path);
}

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

DebugOutputListener::DebugOutputListener() {
  InitializeCriticalSection(&lock_);
  bufferReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
  dataReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
  mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, L"DBWIN_BUFFER");
  view_ = MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 4096);
  thread_ = CreateThread(nullptr, 0, Listen, this, 0, nullptr);
}

DebugOutputListener::~DebugOutputListener() {
  InterlockedExchange(&stop_, 1);
  SetEvent(dataReady_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  UnmapViewOfFile(view_);
  CloseHandle(mapping_);
  CloseHandle(dataReady_);
  CloseHandle(bufferReady_);
  DeleteCriticalSection(&lock_);
}

DWORD WINAPI DebugOutputListener::Listen(void* param) {
  auto* self = static_cast<DebugOutputListener*>(param);
  for (;;) {
    SetEvent(self->bufferReady_);
    WaitForSingleObject(self->dataReady_, INFINITE);
    if (self->stop_) return 0;
    const char* text = static_cast<const char*>(self->view_) + sizeof(DWORD);
    const std::string ansi(text, strnlen(text, 4096 - sizeof(DWORD)));
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring line(n, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &line[0], n);
    EnterCriticalSection(&self->lock_);
    self->lines_.push_back(line);
    LeaveCriticalSection(&self->lock_);
  }
}

std::vector<std::wstring> DebugOutputListener::Lines() {
  Sleep(50);  // let a line written just now arrive
  EnterCriticalSection(&lock_);
  std::vector<std::wstring> lines = lines_;
  LeaveCriticalSection(&lock_);
  return lines;
}
