#pragma once

#include <cstdint>
#include <string>

// The text of `id` in the user-interface language, from the program's own
// string table. False, and `text` left exactly as it was, when the id is absent.
bool LoadLocalizedString(uint16_t id, std::u16string& text);
