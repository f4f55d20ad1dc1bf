#include "registry_support.h"

#include <sddl.h>

void DeleteKeyTree(HKEY root, const std::wstring& path, REGSAM view) {
  Unrestrict(root, path);
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS | view, &key) == ERROR_SUCCESS) {
    RegDeleteTreeW(key, nullptr);
    RegCloseKey(key);
  }
  RegDeleteKeyExW(root, path.c_str(), view, 0);
}

void CreateKey(HKEY root, const std::wstring& path, REGSAM view) {
  HKEY key;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key, nullptr) ==
      ERROR_SUCCESS)
    RegCloseKey(key);
}

void SetValue(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const void* data,
              DWORD bytes, REGSAM view) {
  HKEY key;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
  RegCloseKey(key);
}

void SetBytes(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
              const std::string& data) {
  SetValue(root, path, name, type, data.data(), static_cast<DWORD>(data.size()));
}

void SetString(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text) {
  SetValue(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
}

void SetDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value) {
  SetValue(root, path, name, REG_DWORD, &value, sizeof(value));
}

bool KeyPresent(HKEY root, const std::wstring& path) {
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::pair<DWORD, std::string> GetValue(HKEY root, const std::wstring& path, const std::wstring& name) {
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {REG_NONE, {}};
  DWORD type = REG_NONE, size = 0;
  std::string data;
  if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    data.resize(size);
    RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
  } else {
    type = REG_NONE;
  }
  RegCloseKey(key);
  return {type, data};
}

namespace {

void SetDacl(HKEY root, const std::wstring& path, const wchar_t* sddl) {
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &sd, nullptr)) return;
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd);
    RegCloseKey(key);
  }
  LocalFree(sd);
}

}  // namespace

void RestrictToRead(HKEY root, const std::wstring& path) {
  SetDacl(root, path, L"D:P(A;OICI;KR;;;WD)(A;OICI;KR;;;BA)(A;OICI;KR;;;SY)");
}

void Unrestrict(HKEY root, const std::wstring& path) { SetDacl(root, path, L"D:P(A;OICI;KA;;;WD)"); }

namespace {

void SnapshotInto(HKEY key, const std::wstring& prefix, KeySnapshot& out) {
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD nameLength = 16384, type = 0, size = 0;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::string data(size, '\0');
    nameLength = 16384;
    RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
    data.resize(size);
    out[prefix + L"|" + name] = {type, data};
  }
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256;
    if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    HKEY sub;
    if (RegOpenKeyExW(key, name, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
      out[prefix + L"\\" + name + L"|(key)"] = {REG_NONE, {}};
      SnapshotInto(sub, prefix + L"\\" + name, out);
      RegCloseKey(sub);
    }
  }
}

}  // namespace

KeySnapshot Snapshot(HKEY root, const std::wstring& path) {
  KeySnapshot out;
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
    out[L"|(key)"] = {REG_NONE, {}};
    SnapshotInto(key, L"", out);
    RegCloseKey(key);
  }
  return out;
}
