#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Runs a command on an X display of its own (WebKit's MiniBrowser has no
# headless mode; Orca and its window need a desktop nobody else uses);
# without Xvfb the command is skipped (77).
#   with_display.sh COMMAND...
set -euo pipefail
command -v Xvfb >/dev/null || { echo "with_display: skipped, no Xvfb"; exit 77; }
# shellcheck source=../../scripts/private-display.sh
. "$(dirname "$0")/../../scripts/private-display.sh"
private_display
"$@"
