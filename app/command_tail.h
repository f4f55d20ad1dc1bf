#pragma once

#include <string_view>

// The command line without the program's name, as a GUI entry receives it:
// the name ends at the first blank or control character outside double
// quotes, and the blanks and control characters after it are skipped too.
std::u16string_view CommandTail(std::u16string_view commandLine);
