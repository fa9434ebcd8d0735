#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# ESLint over the page's script, its service worker and the module's
# loader, against the
# oldest browsers (eslint.config.cjs), from the source folder: ESLint
# judges only files under its configuration's folder. Skipped (77) where
# make web has not installed ESLint; failed instead in CI.
#   lint.sh NODE ESLINT_FOLDER LOADER
set -euo pipefail
node=$1 eslint=$2/eslint/bin/eslint.js loader=$3
if [ ! -f "$eslint" ]; then
  echo "lint: no ESLint in $2 (make web installs it)"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
cd "$(dirname "$0")/../../.."
NODE_PATH=$2 "$node" "$eslint" --max-warnings 0 window/web/page.js window/web/service_worker.js "$loader"
echo "lint: page.js, the worker and the loader hold to the floor in window/web/browser_floor.json"
