// A DLL planted beside the program under a system DLL's name: when loaded it
// leaves the file named by PLANTED_MARKER, which the test looks for.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  wchar_t marker[MAX_PATH];
  if (reason == DLL_PROCESS_ATTACH && GetEnvironmentVariableW(L"PLANTED_MARKER", marker, MAX_PATH)) {
    HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  return TRUE;
}
