#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Runs clang-tidy (checks in .clang-tidy) over the project's sources, with
# the compile commands of the given build folder; fails on any finding. Each
# further folder is a cross build: for Windows (64- or 32-bit), whose Win32
# sources (those with win32 in their path) are checked as its MinGW-w64
# compiler sees them, or for the browser, whose sources (window/web/) are
# checked as WebAssembly against emscripten's system headers.
#   scripts/check-tidy.sh [BUILD] [WINDOWS_OR_WEB_BUILD...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
# The project's own headers, at any depth, and nothing outside the checkout.
headers=("--header-filter=^$PWD/(grading|window|tests|tools|bench)/(.*/)?[^/]*\\.h$")
git ls-files -z 'grading/*.cpp' 'window/*.cpp' 'tests/grading/*.cpp' 'tests/window/*.cpp' \
    'tools/*.cpp' 'bench/*.cpp' ':!*win32*' ':!window/web/*' |
  xargs -0 -n 4 -P "$(nproc)" clang-tidy -p "$build" --quiet "${headers[@]}" 2>/dev/null
for windows in "$@"; do
  if grep -q '"command": "[^ ]*em++' "$windows/compile_commands.json"; then
    git ls-files -z 'window/web/*.cpp' |
      xargs -0 -n 4 -P "$(nproc)" clang-tidy -p "$windows" --quiet "${headers[@]}" \
        --extra-arg=--target=wasm32-unknown-emscripten \
        "--extra-arg=--sysroot=$(em-config CACHE)/sysroot" 2>/dev/null
    continue
  fi
  # The build's compiler names the target; its C++ library and Windows
  # headers come along, and clang keeps its own intrinsics, for it cannot
  # read GCC's.
  compiler=$(grep -m1 -o '"command": "[^ ]*g++[^ ]*' "$windows/compile_commands.json" | cut -d'"' -f4)
  triple=$(basename "$compiler" | sed 's/-g++.*//')
  target=("--extra-arg=--target=$triple")
  while read -r dir; do target+=("--extra-arg=-isystem$dir"); done < <(
    "$compiler" -E -x c++ -v - </dev/null 2>&1 |
      sed -n '/#include <...> search starts here:/,/End of search list./p' |
      grep -E "/c\+\+|/$triple/include$")
  git ls-files -z '*win32*.cpp' |
    xargs -0 -n 4 -P "$(nproc)" clang-tidy -p "$windows" --quiet "${headers[@]}" "${target[@]}" 2>/dev/null
done
echo "check-tidy: clean"
