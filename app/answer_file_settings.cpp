#include "app/answer_file_settings.h"

#include "app/product_codes.h"
#include "app/run_state.h"
#include "app/win32.h"

void ReadAnswerFileSettings() {
  const std::u16string file = PathInCurrentDirectory(u"setup.iss");
  wchar_t value[MAX_PATH] = {};

  ::GetPrivateProfileStringW(L"OLTREVAN", L"PRODUCTID", L"", value, 256, W(file));
  g_runState.productId = U16(value);

  ::GetPrivateProfileStringW(L"OLTREVAN", L"PRODUCTPATCH", L"0", value, 256, W(file));
  if (U16(value) == u"1" && g_runState.productId.empty()) g_runState.productId = kCodeStandard;
}
