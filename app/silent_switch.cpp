#include "app/silent_switch.h"

const char16_t* FindSilentSwitch(std::u16string_view commandTail) {
  static constexpr const char16_t* kSwitches[] = {u"-s", u"/s", u"-S", u"/S"};
  for (const char16_t* silentSwitch : kSwitches) {
    if (commandTail.find(silentSwitch) != std::u16string_view::npos) return silentSwitch;
  }
  return nullptr;
}

int32_t IsSilentCommandLine(std::u16string_view commandTail) {
  return FindSilentSwitch(commandTail) != nullptr ? 1 : 0;
}
