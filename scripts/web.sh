#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# make web: the page for a browser, build-web/vellacor.html, and its tests:
# the calculation's and the press logic's under Node, and the page itself
# in Chromium (today's and 64, 72 and 86), Firefox and WebKit, driven
# through puppeteer-core or WebDriver (the clients and the older Chromium
# builds installed into build-web/browser-test from the lock file).
#   scripts/web.sh [CMAKE_ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh core emscripten web
command -v npm >/dev/null || scripts/install-deps.sh npm
client="build-web/browser-test"
mkdir -p "$client"
if ! cmp -s tests/window/web/package-lock.json "$client/package-lock.json" ||
  [ ! -d "$client/node_modules/puppeteer-core" ]; then
  cp tests/window/web/package.json tests/window/web/package-lock.json "$client/"
  # Each older client asks for the Chromium of its age as a peer: they
  # stand side by side, each used with its own.
  (cd "$client" && npm ci --legacy-peer-deps --ignore-scripts --no-audit --no-fund --loglevel=error)
fi
# The older headless Chromium builds, brotli-packed inside the packages
# the lock file pins (chromium-NN).
for engine in "$client"/node_modules/chromium-[0-9]*; do
  engine=$(basename "$engine")
  packed=$(ls "$client/node_modules/$engine/bin/"chromium*.br)
  program=$client/$engine/chromium
  if [ ! -x "$program" ] || [ "$packed" -nt "$program" ]; then
    mkdir -p "$client/$engine"
    brotli -d -f -o "$program" "$packed"
    chmod +x "$program"
  fi
done
cmake --preset web "$@" >/dev/null
cmake --build --preset web -j "$(nproc)"
ctest --preset web -j "$(nproc)"
