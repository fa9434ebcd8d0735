#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Start-up figures of the Windows program under Wine beside its floor (a
# bare Win32 window with the same 49 controls), the floor with the
# program's manifest and the floor with its manifest and font, alternated
# in one run under one private Xvfb: median time from exec until the window
# is mapped, and median peak resident memory, over RUNS starts each. All
# stripped, as the program ships:
# under Wine debug sections cost start-up time. Needs make windows and the
# Linux build's startup_probe.
#   bench/startup-windows.sh [BUILD] [WINDOWS_BUILD] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build} windows=${2:-build-windows} runs=${3:-21}
probe=$build/bench/startup_probe
. scripts/wine-env.sh
. scripts/private-display.sh

# No virtual desktop here: each window is an X window of its own, whose
# mapping the probe sees, as on a desktop with a window manager.
prefix=$PWD/$windows/wine-bench
export WINEPREFIX=$prefix
stripped=$(mktemp -d)
cleanup() { "$wineserver" -k 2>/dev/null; rm -rf "$stripped"; }
private_display
wine_prefix "$prefix"
"$wine64" reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
wine_display_session "$prefix"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
programs=(floor styled font vellacor)
declare -A built=([floor]=$windows/bench/startup_floor_win32.exe
                  [styled]=$windows/bench/startup_floor_styled_win32.exe
                  [font]=$windows/bench/startup_floor_font_win32.exe
                  [vellacor]=$windows/window/win32/vellacor.exe)
declare -A path title=([floor]=Floor [styled]=Floor [font]=Floor [vellacor]=Vellacor) times mems
for program in "${programs[@]}"; do
  path[$program]=$stripped/$program.exe
  x86_64-w64-mingw32-strip -o "${path[$program]}" "${built[$program]}"
done
for program in "${programs[@]}"; do  # once each to warm the caches
  "$probe" -t "${title[$program]}" "$wine64" "${path[$program]}" >/dev/null
  times[$program]="" mems[$program]=""
done
for _ in $(seq "$runs"); do
  for program in "${programs[@]}"; do
    read -r ms kb < <("$probe" -t "${title[$program]}" "$wine64" "${path[$program]}")
    times[$program]+="$ms"$'\n'
    mems[$program]+="$kb"$'\n'
  done
done
printf '%-10s %12s %14s   (under Wine, median of %s runs)\n' program "mapped (ms)" \
  "peak RSS (kB)" "$runs"
for program in "${programs[@]}"; do
  printf '%-10s %12s %14s\n' "$program" "$(printf '%s' "${times[$program]}" | median)" \
    "$(printf '%s' "${mems[$program]}" | median)"
done
