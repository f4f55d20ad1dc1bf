// String lookups and both dialogs, in the UI language that LANG gives this
// process; CTest runs it once per language.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <thread>

#include "app/run_state.h"
#include "app/win32.h"
#include "res/resource.h"
#include "test_support.h"
#include "ui/dialogs.h"
#include "ui/localized_string.h"

namespace {

struct Texts {
  std::u16string question, welcome, ok, cont, cancel;
};

const std::map<LANGID, Texts> kTexts = {
    {0x0409,
     {u"You currently have another version of Kestrowan Dodarodu installed.\nDo you want to remove it and "
      u"install the "
      u"new version?",
      u"Welcome to Kestrowan Dodarodu!", u"OK", u"Continue", u"Cancel"}},
    {0x0407,
     {u"Sie haben derzeit eine andere Version von Kestrowan Dodarodu installiert. \nMöchten Sie diese "
      u"entfernen und "
      u"die neue Version installieren?",
      u"Willkommen bei Kestrowan Dodarodu!", u"OK", u"Fortfahren", u"Abbrechen"}},
    {0x040C,
     {u"Vous avez actuellement une autre version de Kestrowan Dodarodu installée.\nVoulez-vous la "
      u"désinstaller et "
      u"installer la nouvelle version ?",
      u"Bienvenue à Kestrowan Dodarodu !", u"OK", u"Continuer", u"Annuler"}},
    {0x0410,
     {u"Attualmente hai Kestrowan Dodarodu installato. \nVuoi rimuoverlo ed installare la  nuova versione? ",
      u"Benvenuto a Kestrowan Dodarodu!", u"OK", u"Continua", u"Annulla"}},
    {0x0C0A,
     {u"Actualmente tiene otra versión de Kestrowan Dodarodu instalada. \n¿Quiere eliminarla e instalar la "
      u"nueva "
      u"versión?",
      u"¡Bienvenido a Kestrowan Dodarodu!", u"Aceptar", u"Continuar", u"Cancelar"}},
    {0x0411,
     {u"現在他のバージョンのKestrowan "
      u"Dodaroduがインストールされています。\n削除して新しいバージョンをインストールしますか？",
      u"Kestrowan Dodarodu へようこそ！", u"OK", u"続行", u"キャンセル"}},
    {0x0412,
     {u"최근에 다른 버전의 Kestrowan Dodarodu가 설치되었습니다. \n이것을 삭제하고 새로운 버전을 "
      u"설치하시겠습니까?",
      u"Kestrowan Dodarodu 시작!", u"확인", u"계속", u"취소"}},
    {0x0404,
     {u"您目前已安裝了 Kestrowan Dodarodu 的其他版本。\n您是否要移除它並安裝最新版本？",
      u"歡迎使用 Kestrowan Dodarodu！", u"確定", u"繼續", u"取消"}},
    {0x0804,
     {u"您当前安装了另一个版本的Kestrowan Dodarodu。\n您希望删除并且安装新版本吗？",
      u"欢迎使用 Kestrowan Dodarodu！", u"确定", u"继续", u"取消"}},
};

const Texts& Expected() {
  const LANGID language = GetUserDefaultUILanguage();
  auto it = kTexts.find(language);
  return it != kTexts.end() ? it->second : kTexts.at(0x0409);
}

class UiTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    g_runState.moduleHandle = GetModuleHandleW(nullptr);
  }
};

TEST_F(UiTest, LooksUpEveryIdInTheUserInterfaceLanguage) {
  wchar_t expected[8] = {};
  if (GetEnvironmentVariableW(L"EXPECTED_UI_LANGUAGE", expected, 8)) {
    ASSERT_EQ(GetUserDefaultUILanguage(), wcstoul(expected, nullptr, 16))
        << "LANG did not choose the language";
  }
  SCOPED_TRACE(testing::Message() << "UI language 0x" << std::hex << GetUserDefaultUILanguage());
  const Texts& t = Expected();
  const std::pair<uint16_t, std::u16string> cases[] = {
      {104, t.question},
      {105, t.welcome},
      {106, u"Kestrowan Dodarodu Pro"},
      {107, u"Kestrowan Dodarodu"},
      {113, t.ok},
      {114, t.cont},
      {115, t.cancel},
  };
  for (const auto& c : cases) {
    std::u16string text = u"before";
    EXPECT_TRUE(LoadLocalizedString(c.first, text)) << c.first;
    EXPECT_EQ(text, c.second) << c.first;
  }
}

TEST_F(UiTest, AbsentIdLeavesTheTextAlone) {
  for (uint16_t id : {0, 1, 103, 108, 112, 116, 65535}) {
    std::u16string text = u"kept";
    EXPECT_FALSE(LoadLocalizedString(id, text)) << id;
    EXPECT_EQ(text, u"kept");
  }
  std::u16string working;  // a sequence hands on the previous text
  LoadLocalizedString(107, working);
  LoadLocalizedString(108, working);
  EXPECT_EQ(working, u"Kestrowan Dodarodu");
}

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Runs `act` on the dialog that this thread shows, from a helper thread.
class DialogDriver {
 public:
  explicit DialogDriver(std::function<void(HWND)> act)
      : thread_([act, owner = GetCurrentThreadId()] {
          HWND dialog = nullptr;
          for (int i = 0; i < 1000 && dialog == nullptr; ++i) {
            EnumThreadWindows(owner, FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
            if (dialog == nullptr) Sleep(10);
          }
          if (dialog) act(dialog);
        }) {}
  ~DialogDriver() { thread_.join(); }

 private:
  std::thread thread_;
};

std::u16string Text(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return U16(text);
}

// A message posted to a dialog and the result that the dialog then ends with.
struct DialogAnswer {
  const char* name;
  UINT message;
  WPARAM wParam;
  INT_PTR result;
};

TEST_F(UiTest, PromptAnswers) {
  const DialogAnswer cases[] = {
      {"Continue", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 1},
      {"Enter", WM_KEYDOWN, VK_RETURN, 1},
      {"Cancel", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 2},
      {"Escape", WM_KEYDOWN, VK_ESCAPE, 2},
      {"close box", WM_SYSCOMMAND, SC_CLOSE, 0},
      {"notification in the high word", WM_COMMAND, MAKEWPARAM(IDOK, 0x1234), 1},
      {"other command", WM_COMMAND, MAKEWPARAM(7, 0), -2},  // does not end the prompt
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    g_runState.titleStringId = 107;
    DialogDriver driver([&](HWND dialog) {
      PostMessageW(dialog, c.message, c.wParam, 0);
      if (c.result == -2) {
        Sleep(100);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }
    });
    EXPECT_EQ(ShowUpgradePrompt(static_cast<HINSTANCE>(g_runState.moduleHandle)),
              c.result == -2 ? 2 : c.result);
  }
}

TEST_F(UiTest, PromptShowsTheLocalizedTextsAndCaption) {
  const Texts& t = Expected();
  for (int32_t title : {106, 107}) {
    SCOPED_TRACE(title);
    g_runState.titleStringId = title;
    std::u16string caption, question, headline, cont, cancel;
    HFONT fontInUse = nullptr;
    RECT window = {}, desktop = {};
    DialogDriver driver([&](HWND dialog) {
      caption = Text(dialog);
      question = Text(GetDlgItem(dialog, IDC_QUESTION));
      headline = Text(GetDlgItem(dialog, IDC_HEADLINE));
      cont = Text(GetDlgItem(dialog, IDOK));
      cancel = Text(GetDlgItem(dialog, IDCANCEL));
      fontInUse = reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(dialog, IDC_HEADLINE), WM_GETFONT, 0, 0));
      GetWindowRect(dialog, &window);
      GetWindowRect(GetDesktopWindow(), &desktop);
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(ShowUpgradePrompt(static_cast<HINSTANCE>(g_runState.moduleHandle)), 2);
    EXPECT_EQ(caption, title == 106 ? u"Kestrowan Dodarodu Pro" : u"Kestrowan Dodarodu");
    EXPECT_EQ(question, t.question);
    EXPECT_EQ(headline, t.welcome);
    EXPECT_EQ(cont, t.cont);
    EXPECT_EQ(cancel, t.cancel);
    EXPECT_NE(fontInUse, nullptr);
    EXPECT_EQ(GetObjectType(fontInUse), 0u);  // deleted with the window
    EXPECT_EQ(headlineFont, nullptr);
    const int width = window.right - window.left, height = window.bottom - window.top;
    EXPECT_EQ(window.left, (desktop.right - desktop.left - width) / 2);
    EXPECT_EQ(window.top, (desktop.bottom - desktop.top - height) / 2);
  }
}

TEST_F(UiTest, MissingProductIdDialogLayoutAndAnswers) {
  const DialogAnswer cases[] = {
      {"OK", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 2},
      {"Enter", WM_KEYDOWN, VK_RETURN, 2},
      {"Escape", WM_KEYDOWN, VK_ESCAPE, 2},
      {"close box", WM_SYSCOMMAND, SC_CLOSE, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    g_runState.missingProductId = 1;
    RECT window = {}, desktop = {}, message = {};
    std::u16string caption, text, ok;
    bool pictureVisible = true, secondVisible = true, messageVisible = false;
    DialogDriver driver([&](HWND dialog) {
      GetWindowRect(dialog, &window);
      GetWindowRect(GetDesktopWindow(), &desktop);
      GetWindowRect(GetDlgItem(dialog, IDC_MESSAGE), &message);
      caption = Text(dialog);
      text = Text(GetDlgItem(dialog, IDC_MESSAGE));
      ok = Text(GetDlgItem(dialog, IDCANCEL));
      pictureVisible = IsWindowVisible(GetDlgItem(dialog, IDC_PICTURE));
      secondVisible = IsWindowVisible(GetDlgItem(dialog, IDC_SECOND_TEXT));
      messageVisible = IsWindowVisible(GetDlgItem(dialog, IDC_MESSAGE));
      PostMessageW(dialog, c.message, c.wParam, 0);
    });
    EXPECT_EQ(ShowMissingProductIdDialog(static_cast<HINSTANCE>(g_runState.moduleHandle)), c.result);
    EXPECT_EQ(window.right - window.left, 300);
    EXPECT_EQ(window.bottom - window.top, 155);
    EXPECT_EQ(window.left, (desktop.right - desktop.left - 300) / 2);
    EXPECT_EQ(window.top, (desktop.bottom - desktop.top - 155) / 2);
    EXPECT_EQ(message.right - message.left, 230);
    EXPECT_EQ(message.bottom - message.top, 40);
    EXPECT_EQ(caption, u"Kestrowan Dodarodu");
    EXPECT_EQ(text, u"Can't get PRODUCTID from iss file.\nPlease check iss file again.");
    EXPECT_EQ(ok, Expected().ok);
    EXPECT_FALSE(pictureVisible);
    EXPECT_FALSE(secondVisible);
    EXPECT_TRUE(messageVisible);
  }
}

}  // namespace
