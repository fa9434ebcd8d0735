#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# make windows: installs what is missing, cross-builds the Windows program
# and its tests for 64-bit Windows (build-windows/) and for 32-bit Windows
# and Windows on ARM (build-windows-x86/), makes the packages (the win64
# zip and installer, the win32 zip), and runs every 64-bit test under Wine
# on a private X display. This machine runs no 32-bit Windows program: of
# the 32-bit build only the checks of its files run.
#   scripts/windows.sh [CMAKE_ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh core windows
for preset in windows windows-x86; do
  cmake --preset $preset "$@" >/dev/null
  cmake --build --preset $preset -j "$(nproc)"
  cpack --preset $preset | grep -o 'package: .* generated'
done
ctest --preset windows-x86

. scripts/wine-env.sh
prefix=$PWD/build-windows/wine
export WINEPREFIX=$prefix

. scripts/private-display.sh
cleanup() { "$wineserver" -k 2>/dev/null; }
private_display

wine_display_session "$prefix"
ctest --preset windows -j "$(nproc)"
