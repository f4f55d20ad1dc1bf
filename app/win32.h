// The Win32 side of the program: windows.h, the handle kinds, and the view of
// the portable UTF-16 strings as the platform's wide strings.
#pragma once

#include <windows.h>

#include <string>

#include "app/scoped.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide strings are UTF-16");

inline const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
inline const wchar_t* W(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }
inline std::u16string U16(const wchar_t* s) { return std::u16string(reinterpret_cast<const char16_t*>(s)); }
inline std::u16string U16(const wchar_t* s, size_t n) {
  return std::u16string(reinterpret_cast<const char16_t*>(s), n);
}

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
using ScopedHandle = Scoped<KernelHandleTraits>;

// The process's current directory, fetched into a zero-filled 260-character
// buffer whose result is not looked at: a directory that does not fit leaves it empty.
std::u16string CurrentDirectory();

// "%s\%s" with the current directory.
std::u16string PathInCurrentDirectory(const char16_t* name);

// A system DLL that is not a KnownDLL, from the system directory only, so that
// a DLL planted beside the program is never loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);
