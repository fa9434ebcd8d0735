#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The program itself on an X display, as built for another processor and
# run through its emulator (qemu): it starts, with Qt's X11 platform of
# that processor, and shows its window at the size in the table of
# scenarios (VELLACOR_SCENARIOS). The window's workings are the offscreen
# tests'; this is the start a desk sees.
#   start_window.sh EMULATOR PROGRAM
set -euo pipefail
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "start_window: skipped, no $tool"; exit 77; }
done
# shellcheck source=../../../scripts/private-display.sh
. "$(dirname "$0")/../../../scripts/private-display.sh"
size=$(sed -n 's/^"client": \[\([0-9]*\), \([0-9]*\)\],$/\1x\2/p' "$VELLACOR_SCENARIOS")
[ -n "$size" ] || { echo "start_window: no window size in $VELLACOR_SCENARIOS" >&2; exit 1; }
pid=
cleanup() { [ -z "$pid" ] || kill "$pid" 2>/dev/null || true; }
private_display
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
QT_QPA_PLATFORM=xcb "$@" &
pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Vellacor$' | head -n 1) || {
  echo "start_window: no window called Vellacor shown within 120 s" >&2
  exit 1
}
# Qt names the window before it gives it its size (1x1 at first): the
# size is read until it is the table's, for as long as a slow emulator
# may take.
for _ in $(seq 60); do
  geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
  [ "$geometry" = "$size" ] && break
  sleep 0.5
done
echo "start_window: window $window, $geometry"
[ "$geometry" = "$size" ] || { echo "start_window: not the table's $size" >&2; exit 1; }
kill -0 "$pid" || { echo "start_window: the program ended" >&2; exit 1; }
