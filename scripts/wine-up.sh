#!/usr/bin/env bash
# Prepares the prefix once and keeps its server warm for the whole test run.
# The server and the services that the first program brings up must not hold
# CTest's pipes, so they start here with theirs closed.
set -euo pipefail
"$(dirname "$0")/wine-prefix.sh"
export WINEDEBUG=-all
wineserver -p </dev/null >/dev/null 2>&1 || true  # one may be running already
wine cmd /c exit </dev/null >/dev/null 2>&1
