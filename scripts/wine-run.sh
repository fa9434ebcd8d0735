#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in the given prefix, made on first use:
# ctest's emulator for the cross build. GUI programs need an X display.
#   scripts/wine-run.sh PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
# shellcheck source=wine-env.sh
. "$(dirname "$0")/wine-env.sh"
prefix=$1
shift
wine_session "$prefix"
WINEPREFIX=$prefix exec "$wine64" "$@"
