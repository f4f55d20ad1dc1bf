// Seeding and inspecting the real registry in tests.
#pragma once

#include <windows.h>

#include <string>

void DeleteKeyTree(HKEY root, const std::wstring& path, REGSAM view = 0);
void CreateKey(HKEY root, const std::wstring& path, REGSAM view = 0);
void SetValue(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const void* data,
              DWORD bytes, REGSAM view = 0);
// Stores exactly these bytes, of any type and length (no terminator added).
void SetBytes(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
              const std::string& data);
void SetString(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text);
void SetDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value);
bool KeyPresent(HKEY root, const std::wstring& path);
// Type and bytes of a value; type REG_NONE and empty bytes when missing.
std::pair<DWORD, std::string> GetValue(HKEY root, const std::wstring& path, const std::wstring& name);

// Lets everyone read the key but nobody open it with full access (until undone).
void RestrictToRead(HKEY root, const std::wstring& path);
void Unrestrict(HKEY root, const std::wstring& path);

#include <map>

// Every value below a key, by "subkey path|value name", with type and bytes.
using KeySnapshot = std::map<std::wstring, std::pair<DWORD, std::string>>;
KeySnapshot Snapshot(HKEY root, const std::wstring& path);
