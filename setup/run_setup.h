#pragma once

#include <windows.h>

// Starts the package's "setup.exe" ("setup.exe -s" when silent) unless an
// uninstaller run left its entry behind, then tells the shell.
void RunSetup();

// The shell notification, replaceable by tests: its effect cannot be observed.
extern void(WINAPI* g_notifyShell)(LONG event, UINT flags, LPCVOID item1, LPCVOID item2);
