#!/usr/bin/env bash
# make windows: installs what is missing, cross-builds the Windows program
# and its tests into build-windows/, makes the portable .zip and the
# installer, and runs every Windows test under Wine on a private X display.
#   scripts/windows.sh [CMAKE_ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh core windows
cmake --preset windows "$@" >/dev/null
cmake --build --preset windows -j "$(nproc)"
(cd build-windows && cpack | grep -o 'package: .* generated')

. scripts/wine-env.sh
prefix=$PWD/build-windows/wine
export WINEPREFIX=$prefix

# A display of our own, whatever the machine has: Xvfb picks a free number.
numberfile=$(mktemp)
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$numberfile" 2>/dev/null &
xvfb=$!
trap '"$wineserver" -k 2>/dev/null; kill $xvfb 2>/dev/null; rm -f "$numberfile"' EXIT
for _ in $(seq 100); do [ -s "$numberfile" ] && break; sleep 0.05; done
[ -s "$numberfile" ] || { echo "windows: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$numberfile")

# One Wine server for all the tests, so that none pays for a cold start; a
# server left from earlier would know another display.
wine_prefix "$prefix"
"$wineserver" -k 2>/dev/null && "$wineserver" -w || true
"$wineserver" -p
wine_session "$prefix"
ctest --preset windows -j "$(nproc)"
