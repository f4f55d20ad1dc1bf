#include "setup/commands.h"

std::u16string AnswerFileSwitches(const std::u16string& directory) {
  return u" -s -f1\"" + directory + u"\\setup.iss\"";
}

const char16_t* SetupCommand(int32_t silent) { return silent ? u"setup.exe -s" : u"setup.exe"; }
