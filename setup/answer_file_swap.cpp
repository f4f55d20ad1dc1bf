#include "setup/answer_file_swap.h"

#include "app/product_codes.h"
#include "app/run_state.h"
#include "app/win32.h"
#include "setup/answer_text.h"
#include "setup/replace.h"

namespace {

// Reads and writes use the same code page, so that every character outside
// the replaced codes goes back to the disk as it came.
std::u16string DecodeAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length =
      ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string text(length > 0 ? length : 0, u'\0');
  if (length > 0) {
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                          reinterpret_cast<wchar_t*>(&text[0]), length);
  }
  return text;
}

Bytes EncodeAnsi(const std::u16string& text) {
  if (text.empty()) return {};
  const int size =
      ::WideCharToMultiByte(CP_ACP, 0, W(text), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  Bytes bytes(size > 0 ? size : 0, '\0');
  if (size > 0) {
    ::WideCharToMultiByte(CP_ACP, 0, W(text), static_cast<int>(text.size()), &bytes[0], size, nullptr,
                          nullptr);
  }
  return bytes;
}

// The file's text with every productId replaced, in the file's own encoding.
Bytes RewriteText(std::string_view bytes, const std::u16string& substitute) {
  const std::u16string text = ReplaceAll(DecodeAnswerText(bytes), g_runState.productId, substitute);
  return HasUtf16LeMark(bytes) ? EncodeUtf16Le(text) : EncodeAnsi(text);
}

bool ReadWhole(HANDLE file, Bytes& bytes) {
  const DWORD size = ::GetFileSize(file, nullptr);
  if (size == INVALID_FILE_SIZE) return false;
  bytes.assign(size, '\0');
  DWORD read = 0;
  if (size > 0 && !::ReadFile(file, &bytes[0], size, &read, nullptr)) return false;
  bytes.resize(read);
  return true;
}

bool WriteWhole(HANDLE file, const Bytes& bytes) {
  DWORD written = 0;
  return ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace

std::u16string DecodeAnswerText(std::string_view bytes) {
  return HasUtf16LeMark(bytes) ? DecodeUtf16Le(bytes) : DecodeAnsi(AnsiText(bytes));
}

int32_t RenameInCurrentDirectory(const char16_t* from, const char16_t* to) {
  return ::MoveFileW(W(PathInCurrentDirectory(from)), W(PathInCurrentDirectory(to))) ? 1 : 0;
}

int32_t DeleteInCurrentDirectory(const char16_t* name) {
  return ::DeleteFileW(W(PathInCurrentDirectory(name))) ? 1 : 0;
}

int32_t ChooseSubstituteCode(std::u16string& code) {
  switch (g_runState.uninstallKeyKind) {
    case 0:
      code = g_runState.installedCode;
      return 1;
    case 1:
      code = kCodeRelease1;
      return 1;
    case 2:
      code = kCodeRelease2;
      return 1;
    case 3:
      code = kCodeStandard;
      return 1;
  }
  return 0;
}

int32_t RewriteAnswerFile(const char16_t* source, const char16_t* target) {
  std::u16string substitute;
  if (!ChooseSubstituteCode(substitute) || g_runState.productId.empty()) return 0;
  ScopedHandle in(::CreateFileW(W(PathInCurrentDirectory(source)), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr));
  ScopedHandle out(::CreateFileW(W(PathInCurrentDirectory(target)), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                 CREATE_ALWAYS, 0, nullptr));
  if (!in.Valid() || !out.Valid()) return 0;
  Bytes bytes;
  if (!ReadWhole(in.Get(), bytes)) return 0;
  const int32_t written =
      WriteWhole(out.Get(), RewriteText({bytes.data(), bytes.size()}, substitute)) ? 1 : 0;
  in.Reset();
  out.Reset();
  return written;
}

bool SwapAnswerFile() {
  if (!RenameInCurrentDirectory(u"setup.iss", u"setup.bak")) return false;
  if (RewriteAnswerFile(u"setup.bak", u"setup.iss")) return true;
  // Put the package's answer file back, so that setup still finds it and
  // the next run finds no "setup.bak" in the way.
  DeleteInCurrentDirectory(u"setup.iss");
  RenameInCurrentDirectory(u"setup.bak", u"setup.iss");
  return false;
}

void RestoreAnswerFile() {
  DeleteInCurrentDirectory(u"setup.iss");
  RenameInCurrentDirectory(u"setup.bak", u"setup.iss");
}
