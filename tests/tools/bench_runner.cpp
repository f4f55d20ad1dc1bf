// Times a program from its start to the start of the stand-in setup.exe that
// it launches: the stand-in writes the performance counter into its log as it
// starts (STANDIN_STAMP). Prints the median of N runs in milliseconds.
// Usage: bench_runner <program.exe> <package folder> <log file> <runs>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

long long LastStamp(const wchar_t* log) {
  HANDLE file =
      CreateFileW(log, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1;
  std::string text(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &read, nullptr);
  CloseHandle(file);
  const size_t at = text.rfind("SETUP-stamp|");
  return at == std::string::npos ? -1 : _atoi64(text.c_str() + at + 12);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5) return 2;
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int run = 0; run < _wtoi(argv[4]); ++run) {
    DeleteFileW(argv[3]);
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(argv[1], &command[0], nullptr, nullptr, FALSE, 0, nullptr, argv[2], &startup, &info))
      return 1;
    WaitForSingleObject(info.hProcess, INFINITE);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    const long long stamp = LastStamp(argv[3]);
    if (stamp > 0) times.push_back(1000.0 * (stamp - start.QuadPart) / frequency.QuadPart);
  }
  if (times.empty()) return 1;
  std::sort(times.begin(), times.end());
  std::printf("%.2f\n", times[times.size() / 2]);
  return 0;
}
