// The package's "setup.iss" set aside as "setup.bak" and rewritten for the
// installed edition's uninstaller, then put back. Names are bare file names
// in the current directory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

int32_t RenameInCurrentDirectory(const char16_t* from, const char16_t* to);
int32_t DeleteInCurrentDirectory(const char16_t* name);

// The code that replaces the package's in the uninstaller's copy: that of the
// uninstall key found, or installedCode when the product key named it.
int32_t ChooseSubstituteCode(std::u16string& code);

// The answer file's text as the rewrite sees it: UTF-16LE after its mark, or
// the system's ANSI code page up to the first zero byte.
std::u16string DecodeAnswerText(std::string_view bytes);

// Writes `source` to `target` with every productId replaced; 1 only when all
// of the new text reached the disk.
int32_t RewriteAnswerFile(const char16_t* source, const char16_t* target);

// True when the rewritten copy is in place. On false the folder is as it was.
bool SwapAnswerFile();
void RestoreAnswerFile();
