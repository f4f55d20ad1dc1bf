#include "app/gdiplus.h"

#include "app/win32.h"

namespace {

// The flat API's start-up input, version 1.
struct GdiplusStartupInput {
  UINT32 GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};

using Startup = int(WINAPI*)(ULONG_PTR* token, const GdiplusStartupInput* input, void* output);
using Shutdown = void(WINAPI*)(ULONG_PTR token);

HMODULE Gdiplus() {
  static const HMODULE module = LoadSystemLibrary(L"gdiplus.dll");
  return module;
}

template <class Fn>
Fn Function(const char* name) {
  const HMODULE module = Gdiplus();
  return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace

bool StartGdiplus(ULONG_PTR& token) {
  const Startup startup = Function<Startup>("GdiplusStartup");
  const GdiplusStartupInput input;
  return startup != nullptr && startup(&token, &input, nullptr) == 0;
}

void ShutdownGdiplus(ULONG_PTR token) {
  if (const Shutdown shutdown = Function<Shutdown>("GdiplusShutdown")) shutdown(token);
}
