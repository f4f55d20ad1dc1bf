#!/usr/bin/env bash
# Makes the throwaway Wine prefix $WINEPREFIX once: fonts, CJK replacements,
# frames drawn by Wine itself (no window manager under Xvfb). With
# OLTREVAN_GRAPHICS=null dialogs run without any display (tests that need no picture).
set -euo pipefail
: "${WINEPREFIX:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/.oltrevan-ready" ] && exit 0

rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot -i >/dev/null 2>&1
wineserver -w
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts"/ 2>/dev/null || true

reg=$(mktemp --suffix=.reg)
{
  echo 'REGEDIT4'
  echo
  echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
  for f in "MS UI Gothic" "MS Gothic" "Yu Gothic UI" "PMingLiU" "MingLiU" \
           "Microsoft JhengHei UI" "SimSun" "Microsoft YaHei UI" "Gulim" "Malgun Gothic"; do
    echo "\"$f\"=\"WenQuanYi Micro Hei\""
  done
  echo
  echo '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]'
  echo '"Managed"="N"'
  if [ "${OLTREVAN_GRAPHICS:-x11}" = null ]; then
    echo
    echo '[HKEY_CURRENT_USER\Software\Wine\Drivers]'
    echo '"Graphics"="null"'
  fi
} >"$reg"
wine regedit /s "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$WINEPREFIX/.oltrevan-ready"
