#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when missing.
set -euo pipefail

packages=(cmake ninja-build clang libclang-rt-14-dev googletest
          g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-tools
          wine wine32:i386 wine64 xvfb xauth fonts-wine fonts-wqy-microhei
          locales imagemagick python3 bc x11-utils xdotool)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine chooses its code pages and UI language from LANG; the locales must exist.
for l in de_DE fr_FR it_IT es_ES ja_JP ko_KR zh_TW zh_CN; do
  locale -a 2>/dev/null | grep -qi "^${l}\.utf-\?8$" || localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
