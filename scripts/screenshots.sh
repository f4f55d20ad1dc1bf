#!/usr/bin/env bash
# Renders both dialogs of oltrevan.exe in all nine languages under Xvfb and
# saves PNG pictures in docs/screenshots. Uses a prefix of its own that draws
# to X (the tests' prefix has no display driver).
set -euo pipefail
source "$(dirname "$0")/common.sh"
build_windows oltrevan stand_in
wineserver -k 2>/dev/null || true

export WINEPREFIX="$root/build/shots/wineprefix" OLTREVAN_GRAPHICS=x11
bash "$root/scripts/wine-prefix.sh"
out="$root/docs/screenshots"
mkdir -p "$out"
display=:77
Xvfb $display -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
wineserver -p </dev/null >/dev/null 2>&1 || true

pkg="$root/build/shots/package"
rm -rf "$pkg" && mkdir -p "$pkg"
cp "$win/oltrevan.exe" "$pkg/"
standard='{B47D2C90-5E18-4A6F-8C3B-92E0F1A7D5C6}'
product='HKLM\Software\Kestrowan Inc.\Kestrowan Remote Server'

# shot LOCALE NAME: runs the program and captures the dialog it shows.
shot() {
  local locale=$1 name=$2
  (cd "$pkg" && LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 wine oltrevan.exe </dev/null >/dev/null 2>&1 &)
  local id=""
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name 'Kestrowan' 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
  done
  sleep 0.5
  [ -n "$id" ] && import -window "$id" "$out/$name-$locale.png" || echo "no dialog for $name $locale"
  wineserver -k 2>/dev/null || true
  sleep 0.3
  wineserver -p </dev/null >/dev/null 2>&1 || true
}

for locale in en_US de_DE fr_FR it_IT es_ES ja_JP ko_KR zh_TW zh_CN; do
  # The upgrade prompt: another edition is installed, the run is not silent.
  printf '[OLTREVAN]\r\nPRODUCTID={6A1F0E27-9C4B-4D8E-A5F2-1B7C3E9D0A41}\r\n' >"$pkg/setup.iss"
  quiet_wine reg add "$product" /v PRODUCTID /d "$standard" /f >/dev/null
  shot $locale prompt
  # The missing-product-ID dialog: the answer file names no product.
  printf '[OLTREVAN]\r\nPRODUCTPATCH=0\r\n' >"$pkg/setup.iss"
  shot $locale missing
done
quiet_wine reg delete 'HKLM\Software\Kestrowan Inc.' /f >/dev/null || true
ls "$out"
