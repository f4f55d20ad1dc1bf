# Shared by the demo and the benchmark: the Windows build and its Wine prefix.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
win="$root/build/win"
export WINEPREFIX="$win/wineprefix" WINEDEBUG=-all OLTREVAN_GRAPHICS=null

build_windows() {
  bash "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$win" --target "$@" >/dev/null
  bash "$root/scripts/wine-up.sh"
}

# A Unix path as the Windows programs see it.
winpath() { winepath -w "$1" 2>/dev/null; }

# Runs a Windows program with its output detached from the wine server's pipes.
quiet_wine() { wine "$@" </dev/null 2>/dev/null; }
