#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Starts the built program, or says in one line why it cannot.
set -euo pipefail
build=$1 window=$2
if [ "$window" != ON ]; then
  echo "run: built without the window (WINDOW=OFF); nothing to start" >&2
  exit 1
fi
if [ "$(uname)" = Linux ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display to show the window on; on a machine without one, try: xvfb-run make run" >&2
  exit 1
fi
exec "$build/window/qt/vellacor"
