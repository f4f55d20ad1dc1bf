// The command lines that the program builds, shared with the report.
#pragma once

#include <cstdint>
#include <string>

// " -s -f1"<directory>\setup.iss"": a silent run with the adapted answer file.
std::u16string AnswerFileSwitches(const std::u16string& directory);

// "setup.exe -s" when silent, else "setup.exe".
const char16_t* SetupCommand(int32_t silent);
