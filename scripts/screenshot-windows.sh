#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The README's picture of the Windows window: the window after the worked
# example, made under Wine (after make windows) on a Chinese-language
# Windows of Wine's own, title bar included.
#   scripts/screenshot-windows.sh [OUT.png]   (default docs/screenshot-windows.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot-windows.png}
tool=build-windows/tools/win32_screenshot.exe
[ -f "$tool" ] || { echo "screenshot-windows: no $tool; run make windows first" >&2; exit 1; }
scripts/install-deps.sh docs
. scripts/wine-env.sh
. scripts/private-display.sh
prefix=$PWD/build-windows/wine
cleanup() { WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null; rm -f "$bmp"; }
bmp=$(mktemp --suffix=.bmp)
private_display
wine_display_session "$prefix"
LC_ALL=zh_CN.UTF-8 WINEPREFIX=$prefix "$wine64" "$tool" "$(WINEPREFIX=$prefix "$wine64" winepath -w "$bmp")"
convert "$bmp" -strip "$out"
echo "screenshot-windows: $out"
