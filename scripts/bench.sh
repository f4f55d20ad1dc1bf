#!/usr/bin/env bash
# Prints oltrevan.exe's size and DLL imports, and the median time from its start
# to the start of setup.exe on the nothing-installed road, against a launcher
# that only starts the same setup.exe (warm wine server). Figures, no verdict.
set -euo pipefail
source "$(dirname "$0")/common.sh"
build_windows oltrevan stand_in minimal_launcher bench_runner
runs=${RUNS:-41}

bench="$root/build/bench"
rm -rf "$bench"
mkdir -p "$bench/package"
cp "$win/oltrevan.exe" "$win/tests/win/minimal_launcher.exe" "$bench/package/"
cp "$win/tests/win/stand_in.exe" "$bench/package/setup.exe"
printf '[OLTREVAN]\r\nPRODUCTID={6A1F0E27-9C4B-4D8E-A5F2-1B7C3E9D0A41}\r\n' >"$bench/package/setup.iss"
quiet_wine reg delete 'HKLM\Software\Kestrowan Inc.' /f >/dev/null || true

size=$(stat -c %s "$win/oltrevan.exe")
echo "oltrevan.exe: $size bytes ($((size / 1024)) KiB; target at most 256 KiB)"
echo "imports: $(i686-w64-mingw32-objdump -p "$win/oltrevan.exe" | awk '/DLL Name/ {print $3}' | tr '\n' ' ')"

export STANDIN_STAMP=1 STANDIN_LOG="$(winpath "$bench")\\stamps.log"
time_of() {
  quiet_wine "$win/tests/win/bench_runner.exe" "$(winpath "$bench/package")\\$1" "$(winpath "$bench/package")" \
    "$STANDIN_LOG" "$runs" | tr -d '\r'
}
time_of minimal_launcher.exe >/dev/null  # warm the caches
launcher=$(time_of minimal_launcher.exe)
program=$(time_of oltrevan.exe)
echo "start to setup.exe, median of $runs runs: oltrevan.exe $program ms, minimal launcher $launcher ms"
echo "ratio: $(echo "scale=2; $program / $launcher" | bc) (target at most 1.3)"
wineserver -k 2>/dev/null || true
