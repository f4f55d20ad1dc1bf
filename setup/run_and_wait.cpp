#include "setup/run_and_wait.h"

#include "app/win32.h"

RunResult RunAndWait(const std::u16string& commandLine) {
  wchar_t command[MAX_PATH] = {};  // writable: CreateProcessW may write into it
  if (commandLine.size() >= MAX_PATH) return {};
  commandLine.copy(reinterpret_cast<char16_t*>(command), commandLine.size());

  wchar_t directory[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, directory);

  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!::CreateProcessW(nullptr, command, nullptr, nullptr, TRUE, CREATE_DEFAULT_ERROR_MODE, nullptr,
                        directory, &startup, &info)) {
    return {};
  }
  ScopedHandle process(info.hProcess);
  ScopedHandle thread(info.hThread);
  ::WaitForSingleObject(process.Get(), INFINITE);
  process.Reset();
  thread.Reset();
  return {true, info.dwProcessId};
}
