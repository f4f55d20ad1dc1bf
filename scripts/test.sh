#!/usr/bin/env bash
# Builds and runs every test: the portable logic natively under AddressSanitizer
# and UBSan (with short fuzz runs), then the Win32 code and the program itself
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake -S . -B build/native -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/native
(cd build/native && ctest --output-on-failure)

cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win
(cd build/win && ctest --output-on-failure)
