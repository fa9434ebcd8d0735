#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Start-up figures of the program beside the floor (a bare window with the
# same controls): median time from exec until the window is mapped, and
# median peak resident memory, over RUNS starts each under a private Xvfb.
#   bench/startup.sh [BUILD] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build} runs=${2:-21}
probe=$build/bench/startup_probe

. scripts/private-display.sh
private_display
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

declare -A times mems
for program in floor vellacor; do times[$program]=""; mems[$program]=""; done
"$probe" "$build/bench/startup_floor" >/dev/null  # warm the caches once
"$probe" "$build/window/qt/vellacor" >/dev/null
for _ in $(seq "$runs"); do
  for program in floor vellacor; do
    path=$build/bench/startup_floor
    [ "$program" = vellacor ] && path=$build/window/qt/vellacor
    read -r ms kb < <("$probe" "$path")
    times[$program]+="$ms"$'\n'
    mems[$program]+="$kb"$'\n'
  done
done
printf '%-10s %12s %14s   (median of %s runs)\n' program "mapped (ms)" "peak RSS (kB)" "$runs"
for program in floor vellacor; do
  printf '%-10s %12s %14s\n' "$program" "$(printf '%s' "${times[$program]}" | median)" \
    "$(printf '%s' "${mems[$program]}" | median)"
done
