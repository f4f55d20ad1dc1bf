#pragma once

#include <cstdint>
#include <string>

// The product keys as the registry editor names them, quoted for its command line.
inline constexpr char16_t kUserKeyArgument[] =
    u"\"HKEY_CURRENT_USER\\Software\\Kestrowan Inc.\\Kestrowan Remote Server\"";
inline constexpr char16_t kMachineKeyArgument[] =
    u"\"HKEY_LOCAL_MACHINE\\Software\\Kestrowan Inc.\\Kestrowan Remote Server\"";

// Runs "regedit.exe /e <file> <key>"; 1 when the editor was started (and has ended).
int32_t ExportRegistryKey(const std::u16string& fileName, const std::u16string& keyArgument);

// After a successful uninstall imports the file with "regedit.exe -s <file>";
// then deletes it, unless the editor could not be started.
void RestoreRegistryFile(const std::u16string& fileName);
