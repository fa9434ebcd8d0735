#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Fails on what shellcheck finds in any tracked shell script, CI's own
# included (.shellcheckrc: sourced files beside their script).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.sh' .ci/run | xargs -0 shellcheck
echo "check-shell: clean"
