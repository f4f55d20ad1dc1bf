#pragma once

#include <windows.h>

#include <cstdint>

// Runs the installed edition's uninstall command (silently, with the adapted
// answer file, when silent), waits for it and its direct children, and judges
// the outcome by whether an uninstall command can still be found.
void RunUninstaller();

// Returns when a process snapshot shows no process whose parent is `processId`,
// looking every 2000 ms. A snapshot that cannot be taken or read counts as
// showing a child: the wait is never cut short by a failure to look.
void WaitForChildProcesses(uint32_t processId);

// The snapshot call, replaceable by tests: the platform cannot be made to fail it.
extern HANDLE(WINAPI* g_createProcessSnapshot)(DWORD flags, DWORD processId);
