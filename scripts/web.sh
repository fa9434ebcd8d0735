#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# make web: the page for a browser, build-web/vellacor.html, and its tests:
# the calculation's and the press logic's under Node, and the page itself
# in Chromium and Firefox, driven through puppeteer-core
# (installed into build-web/browser-test from the lock file).
#   scripts/web.sh [CMAKE_ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh core emscripten web
command -v npm >/dev/null || scripts/install-deps.sh npm
client=build-web/browser-test
mkdir -p "$client"
if ! cmp -s tests/window/web/package-lock.json "$client/package-lock.json" ||
  [ ! -d "$client/node_modules/puppeteer-core" ]; then
  cp tests/window/web/package.json tests/window/web/package-lock.json "$client/"
  (cd "$client" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
fi
cmake --preset web "$@" >/dev/null
cmake --build --preset web -j "$(nproc)"
ctest --preset web -j "$(nproc)"
