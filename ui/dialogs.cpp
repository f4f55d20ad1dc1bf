#include "ui/dialogs.h"

#include "app/run_state.h"
#include "app/win32.h"
#include "res/resource.h"
#include "ui/layout.h"
#include "ui/localized_string.h"

HFONT headlineFont = nullptr;

namespace {

void CentreOnDesktop(HWND dialog) {
  RECT window = {}, desktop = {};
  ::GetWindowRect(dialog, &window);
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  const int width = window.right - window.left, height = window.bottom - window.top;
  ::MoveWindow(dialog, CentredOrigin(desktop.right - desktop.left, width),
               CentredOrigin(desktop.bottom - desktop.top, height), width, height, FALSE);
}

// Looks the id up into the shared working text and gives the window that text,
// so an absent id hands on the previous lookup's text.
void SetLocalizedText(HWND window, uint16_t id, std::u16string& working) {
  LoadLocalizedString(id, working);
  ::SetWindowTextW(window, W(working));
}

void AttachHeadlineFont(HWND headline) {
  if (headlineFont == nullptr) {
    LOGFONTW font = {};
    lstrcpynW(font.lfFaceName, L"Helvetica", LF_FACESIZE);
    headlineFont = ::CreateFontIndirectW(&font);
  }
  if (headlineFont != nullptr)
    ::SendMessageW(headline, WM_SETFONT, reinterpret_cast<WPARAM>(headlineFont), 1);
}

void InitUpgradePrompt(HWND dialog) {
  CentreOnDesktop(dialog);
  std::u16string working;
  const HWND question = ::GetDlgItem(dialog, IDC_QUESTION);
  const HWND headline = ::GetDlgItem(dialog, IDC_HEADLINE);
  if (question) SetLocalizedText(question, IDS_UPGRADE_QUESTION, working);
  if (headline) SetLocalizedText(headline, IDS_WELCOME, working);
  if (HWND button = ::GetDlgItem(dialog, IDOK)) SetLocalizedText(button, IDS_CONTINUE, working);
  if (HWND button = ::GetDlgItem(dialog, IDCANCEL)) SetLocalizedText(button, IDS_CANCEL, working);
  SetLocalizedText(dialog, static_cast<uint16_t>(g_runState.titleStringId), working);
  if (headline) AttachHeadlineFont(headline);
}

void InitMissingProductId(HWND dialog) {
  if (HWND picture = ::GetDlgItem(dialog, IDC_PICTURE)) ::ShowWindow(picture, SW_HIDE);
  std::u16string working;
  const HWND message = ::GetDlgItem(dialog, IDC_MESSAGE);
  const HWND ok = ::GetDlgItem(dialog, IDCANCEL);
  for (HWND text : {message, ::GetDlgItem(dialog, IDC_SECOND_TEXT)}) {
    if (text == nullptr) continue;
    ::SetWindowTextW(text, L"");
    ::ShowWindow(text, SW_HIDE);
  }
  if (ok) SetLocalizedText(ok, IDS_OK, working);
  if (g_runState.missingProductId) {
    ::MoveWindow(dialog, 0, 0, 300, 155, FALSE);
    if (message) {
      ::SetWindowTextW(message, L"Can't get PRODUCTID from iss file.\nPlease check iss file again.");
      ::ShowWindow(message, SW_SHOW);
      ::MoveWindow(message, 35, 20, 230, 40, FALSE);
    }
    if (ok) ::MoveWindow(ok, 105, 75, 90, 30, FALSE);
  }
  SetLocalizedText(dialog, IDS_PRODUCT_NAME, working);
  CentreOnDesktop(dialog);
}

// Continue or Cancel, whatever notification the high word carries.
INT_PTR EndOnButton(HWND dialog, WPARAM wParam) {
  const WORD id = LOWORD(wParam);
  if (id != IDOK && id != IDCANCEL) return 0;
  ::EndDialog(dialog, id);
  return 1;
}

}  // namespace

INT_PTR ShowUpgradePrompt(HINSTANCE module) {
  return ::DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_UPGRADE_PROMPT), nullptr, UpgradePromptProc, 0);
}

INT_PTR ShowMissingProductIdDialog(HINSTANCE module) {
  return ::DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_MISSING_PRODUCT_ID), nullptr, MissingProductIdProc,
                           0);
}

INT_PTR CALLBACK UpgradePromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitUpgradePrompt(dialog);
      return 0;
    case WM_COMMAND:
      return EndOnButton(dialog, wParam);
    case WM_CLOSE:
      ::EndDialog(dialog, 0);
      return 1;
    case WM_SYSCOMMAND:
      return ::DefWindowProcW(dialog, message, wParam, lParam);
    case WM_DESTROY:
      if (headlineFont != nullptr) {
        ::DeleteObject(headlineFont);
        headlineFont = nullptr;
      }
      return ::DefWindowProcW(dialog, message, wParam, lParam);
  }
  return 0;
}

INT_PTR CALLBACK MissingProductIdProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitMissingProductId(dialog);
      return 0;
    case WM_COMMAND:
      return EndOnButton(dialog, wParam);
    case WM_CLOSE:
      ::EndDialog(dialog, 0);
      ::DestroyWindow(dialog);
      return 1;
    case WM_SYSCOMMAND:
    case WM_DESTROY:
      return ::DefWindowProcW(dialog, message, wParam, lParam);
  }
  return 0;
}
