# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Sourced: private_display starts an Xvfb of our own on a free display
# number (Xvfb picks it), exports DISPLAY, and stops it when the script
# exits, after running the script's own `cleanup` if it has one.
private_display() {
  local numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$numberfile" 2>/dev/null &
  _xvfb=$!
  trap 'declare -F cleanup >/dev/null && cleanup; kill $_xvfb 2>/dev/null' EXIT
  for _ in $(seq 100); do [ -s "$numberfile" ] && break; sleep 0.05; done
  DISPLAY=:$(head -n 1 "$numberfile")
  rm -f "$numberfile"
  [ "$DISPLAY" != : ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY
}
