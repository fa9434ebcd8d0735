#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over the project's sources, with
# the compile commands of the given build folder; fails on any finding. With
# a second folder, a cross build for Windows, the Win32 sources too (those
# with win32 in their path), as the MinGW-w64 compiler sees them.
#   scripts/check-tidy.sh [BUILD] [WINDOWS_BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build} windows=${2:-}
git ls-files -z 'grading/*.cpp' 'window/*.cpp' 'tests/grading/*.cpp' 'tests/window/*.cpp' \
    'tools/*.cpp' 'bench/*.cpp' ':!*win32*' |
  xargs -0 -n 4 -P "$(nproc)" clang-tidy -p "$build" --quiet 2>/dev/null
if [ -n "$windows" ]; then
  # The compiler's C++ library and Windows headers; clang keeps its own
  # intrinsics, for it cannot read GCC's.
  target=(--extra-arg=--target=x86_64-w64-mingw32)
  while read -r dir; do target+=("--extra-arg=-isystem$dir"); done < <(
    x86_64-w64-mingw32-g++-posix -E -x c++ -v - </dev/null 2>&1 |
      sed -n '/#include <...> search starts here:/,/End of search list./p' |
      grep -E '/c\+\+|/x86_64-w64-mingw32/include$')
  git ls-files -z '*win32*.cpp' |
    xargs -0 -n 4 -P "$(nproc)" clang-tidy -p "$windows" --quiet "${target[@]}" 2>/dev/null
fi
echo "check-tidy: clean"
