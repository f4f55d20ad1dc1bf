// The benchmark's baseline: starts "setup.exe" in the current directory and
// waits for it, as the program does on the nothing-installed road, and no more.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t command[] = L"setup.exe";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(nullptr, command, nullptr, nullptr, TRUE, CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr,
                      &startup, &info))
    return 0;
  WaitForSingleObject(info.hProcess, INFINITE);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return 0;
}
