#!/usr/bin/env bash
# CTest's emulator for the cross-built tests: runs a Windows program in the
# build's Wine prefix (made by scripts/wine-prefix.sh) and passes its exit code on.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$@"
