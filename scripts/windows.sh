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

. scripts/private-display.sh
cleanup() { "$wineserver" -k 2>/dev/null; }
private_display

wine_display_session "$prefix"
ctest --preset windows -j "$(nproc)"
