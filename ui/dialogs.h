#pragma once

#include <windows.h>

// 1 Continue, 2 Cancel or Escape, 0 closed, -1 when it cannot be shown.
INT_PTR ShowUpgradePrompt(HINSTANCE module);
// 2 OK, Enter or Escape, 0 closed.
INT_PTR ShowMissingProductIdDialog(HINSTANCE module);

INT_PTR CALLBACK UpgradePromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MissingProductIdProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The prompt's headline font: created at most once, deleted with the prompt's window.
extern HFONT headlineFont;
