#include "app/win32.h"

std::u16string CurrentDirectory() {
  wchar_t buffer[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, buffer);
  return U16(buffer);
}

std::u16string PathInCurrentDirectory(const char16_t* name) {
  std::u16string path = CurrentDirectory();
  path += u'\\';
  path += name;
  return path;
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  return ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}
