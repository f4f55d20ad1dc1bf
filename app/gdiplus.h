#pragma once

#include <windows.h>

// GDI+ from the system directory only, started with version 1. False when the
// library cannot be loaded or does not start: the program then does nothing.
bool StartGdiplus(ULONG_PTR& token);
void ShutdownGdiplus(ULONG_PTR token);
