#!/usr/bin/env bash
# Builds oltrevan.exe and shows a typical silent upgrade under Wine: another
# edition is installed; the program adapts the package's answer file, runs that
# edition's uninstaller (a stand-in) and waits for it, then starts setup.
set -euo pipefail
source "$(dirname "$0")/common.sh"
build_windows oltrevan oltrevan-report stand_in

demo="$root/build/demo"
pkg="$demo/package"
inst="$demo/Installed Edition"
rm -rf "$demo"
mkdir -p "$pkg" "$inst"
cp "$win/oltrevan.exe" "$pkg/"
cp "$win/tests/win/stand_in.exe" "$pkg/setup.exe"
cp "$win/tests/win/stand_in.exe" "$inst/uninst.exe"

pro='{6A1F0E27-9C4B-4D8E-A5F2-1B7C3E9D0A41}'
standard='{B47D2C90-5E18-4A6F-8C3B-92E0F1A7D5C6}'
printf '[InstallShield Silent]\r\nVersion=v7.00\r\nFile=Response File\r\n[OLTREVAN]\r\nPRODUCTID=%s\r\n[%s-DlgOrder]\r\nDlg0=%s-SdWelcome-0\r\nCount=1\r\n' \
  "$pro" "$pro" "$pro" >"$pkg/setup.iss"
cp "$pkg/setup.iss" "$demo/setup.iss.before"

product='HKLM\Software\Kestrowan Inc.\Kestrowan Remote Server'
entry="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\InstallShield_$standard"
quiet_wine reg delete 'HKLM\Software\Kestrowan Inc.' /f >/dev/null || true
quiet_wine reg add "$product" /v PRODUCTID /d "$standard" /f >/dev/null
quiet_wine reg add "$entry" /v UninstallString /d "\"$(winpath "$inst")\\uninst.exe\" -removeonly" /f >/dev/null

# The stand-in uninstaller removes its entry and the product key, and leaves a
# child running for two seconds, as InstallShield uninstallers do.
export STANDIN_LOG="$(winpath "$demo")\\children.log"
export UNINST_REMOVE_KEY="${entry#HKLM\\};${product#HKLM\\}"
export UNINST_ISS_COPY="$(winpath "$demo")\\uninstaller-saw.iss"
export UNINST_CHILD_MS=2000

show_key() { quiet_wine reg query "$1" 2>/dev/null | tr -d '\r' | grep REG_ | sed 's/^ */    /' || echo "    (absent)"; }

echo "== Before"
echo "  installed (product key): "; show_key "$product"
echo "  uninstall entry:"; show_key "$entry"
echo "  package answer file names: $pro"
echo
echo "== What oltrevan.exe will do (oltrevan-report.exe -s, read-only)"
(cd "$pkg" && quiet_wine "$win/oltrevan-report.exe" -s | sed -n '/^Installed code/,$p' | sed 's/^/  /')
echo
echo "== Running: oltrevan.exe -s"
start=$(date +%s.%N)
(cd "$pkg" && quiet_wine oltrevan.exe -s) && code=0 || code=$?
printf '  exit code %s after %.1f s\n' "$code" "$(echo "$(date +%s.%N) - $start" | bc)"
echo
echo "== Programs it ran (command line | working directory)"
tr -d '\r' <"$demo/children.log" | grep -v -- '-child|' | sed 's/^/  /'
echo "  (the uninstaller's child ended before setup started: $(grep -c 'child|end' "$demo/children.log") waited for)"
echo
echo "== The answer file the uninstaller was given"
tr -d '\r' <"$demo/uninstaller-saw.iss" | grep -n "PRODUCTID\|DlgOrder" | sed 's/^/  /'
echo
echo "== After"
echo "  product key:"; show_key "$product"
echo "  uninstall entry:"; show_key "$entry"
if cmp -s "$pkg/setup.iss" "$demo/setup.iss.before"; then echo "  package setup.iss: unchanged, byte for byte"; else echo "  package setup.iss: CHANGED"; fi
ls "$pkg" | tr '\n' ' ' | sed 's/^/  package folder: /'; echo
wineserver -k 2>/dev/null || true
