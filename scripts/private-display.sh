# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced: private_display starts an Xvfb of our own on a free display
# number (Xvfb picks it), exports DISPLAY (and VELLACOR_PRIVATE_DISPLAY,
# the same, for a test to know the display is its own), and stops it when
# the script exits, after running the script's own `cleanup` if it has one.
# -noreset: otherwise the server resets whenever its last client leaves, and
# refuses the next one meanwhile (a window manager started just after a
# short-lived client fails to connect). The number is taken only once its
# line is whole: Xvfb writes the newline last, when it is ready.
private_display() {
  local numberfile logfile
  numberfile=$(mktemp)
  logfile=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9>"$numberfile" 2>"$logfile" &
  _xvfb=$!
  trap 'declare -F cleanup >/dev/null && cleanup; kill $_xvfb 2>/dev/null' EXIT
  # Up to 30 s: a busy machine can take that long.
  for _ in $(seq 600); do
    [ "$(wc -l <"$numberfile")" -ge 1 ] && break
    kill -0 $_xvfb 2>/dev/null || break
    sleep 0.05
  done
  DISPLAY=:$(head -n 1 "$numberfile")
  rm -f "$numberfile"
  [ "$DISPLAY" != : ] || { echo "Xvfb did not start:" >&2; tail -n 5 "$logfile" >&2; }
  rm -f "$logfile"
  [ "$DISPLAY" != : ] || exit 1
  VELLACOR_PRIVATE_DISPLAY=$DISPLAY
  export DISPLAY VELLACOR_PRIVATE_DISPLAY
}
