#pragma once

#include <cstdint>
#include <string_view>

// The first of "-s", "/s", "-S", "/S" found anywhere in the tail, searched in
// that order, or nullptr. No splitting into arguments: "C:\pre-setup" counts.
const char16_t* FindSilentSwitch(std::u16string_view commandTail);

int32_t IsSilentCommandLine(std::u16string_view commandTail);
