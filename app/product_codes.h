// Product codes, registry paths and the probe tables of the detection.
// Codes are compared exactly, code unit by code unit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr char16_t kCodePro[] = u"{6A1F0E27-9C4B-4D8E-A5F2-1B7C3E9D0A41}";
inline constexpr char16_t kCodeStandard[] = u"{B47D2C90-5E18-4A6F-8C3B-92E0F1A7D5C6}";
inline constexpr char16_t kCodeRelease2[] = u"{A3F08D65-1C7E-4295-BD60-E59C8A04F71B}";
inline constexpr char16_t kCodeRelease1[] = u"{C18B6E4F-0A93-47D2-9E7C-3F05D8B2A6E4}";
inline constexpr char16_t kCodeCloudRD[] = u"{0C9E4B71-A2D6-4F35-B81E-6D4A27C0F993}";
inline constexpr char16_t kCodeCloudMBR[] = u"{E815A3D2-7B0C-4E69-9F4D-C3B61A58E027}";
inline constexpr char16_t kCodeWQ[] = u"{5D62C0A9-E3F7-4B18-A0C5-74F9B2D61E8A}";

inline constexpr char16_t productKeyPath[] = u"Software\\Kestrowan Inc.\\Kestrowan Remote Server";
inline constexpr char16_t legacyUserKeyPath[] = u"Software\\Corvanta Inc.\\Kestrowan Remote Server";

struct UninstallKeyKind {
  int32_t kind;
  const char16_t* code;
};

// Probe order: the first key that exists fixes the kind.
inline constexpr UninstallKeyKind kUninstallKeyKinds[] = {
    {3, kCodeStandard},
    {2, kCodeRelease2},
    {1, kCodeRelease1},
};

struct PlatformKind {
  const char16_t* platform;
  int32_t kind;
};

// Probe order: the first key that opens fixes the kind.
inline constexpr PlatformKind kPlatformKinds[] = {
    {u"KVLN00", 5}, {u"KVRD00", 6}, {u"KVMBR00", 7}, {u"KVTG80", 3}, {u"KVWQ00", 4},
};

// "Software\Microsoft\Windows\CurrentVersion\Uninstall\InstallShield_<code>"
std::u16string UninstallKeyPath(std::u16string_view code);

// "Software\Kestrowan Inc.\Kestrowan Software Updater\Platforms\<platform>"
std::u16string PlatformKeyPath(std::u16string_view platform);
