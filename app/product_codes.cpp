#include "app/product_codes.h"

std::u16string UninstallKeyPath(std::u16string_view code) {
  std::u16string path = u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\InstallShield_";
  path += code;
  return path;
}

std::u16string PlatformKeyPath(std::u16string_view platform) {
  std::u16string path = u"Software\\Kestrowan Inc.\\Kestrowan Software Updater\\Platforms\\";
  path += platform;
  return path;
}
