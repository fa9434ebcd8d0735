#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# What a vellacor-qt5 package asks of a desk, as its own metadata says (the
# Depends that Debian's symbols files gave it, and the Qt symbol versions
# its program imports), against the oldest desks it is for: UOS 20, Deepin
# 20 and Debian 10 (glibc 2.28, GCC 8, Qt 5.11, the GCC runtime named
# libgcc1), and Kylin V10 and Ubuntu 20.04 (Qt 5.12, libgcc-s1). Fails,
# saying why, where it asks more, and where a package cannot be read as
# one: no file, no package, no Depends, no program, a program without Qt.
#   qt5_depends.sh PACKAGE.deb...
set -euo pipefail
[ $# -gt 0 ] || { echo "qt5_depends: no package given" >&2; exit 1; }
status=0
fail() { echo "qt5_depends: $name: $*" >&2; status=1; }

# check_depends DEPENDS: each alternative at most as new as the oldest desk
# has, the GCC runtime by both its names, the font by more than one.
check_depends() {
  local seen="" group package version limit needed
  while IFS= read -r group; do
    while read -r package version; do
      seen="$seen $package"
      case $package in
        libc6) limit="le 2.28" ;;
        libqt5*) limit="lt 5.12~" ;;
        libstdc++6) limit="lt 9~" ;;
        *) limit="" ;;
      esac
      # shellcheck disable=SC2086  # the operator and the version, two words
      if [ -n "$limit" ] && [ -n "$version" ] && ! dpkg --compare-versions "$version" $limit; then
        fail "$package (>= $version) needs more than the oldest desk has"
      fi
    done < <(echo "$group" | tr '|' '\n' | sed -E 's/^ *([^ ]+)( \(>= ([^)]+)\))?.*/\1 \3/')
    case "$group" in
      *libgcc-s1*libgcc1* | *libgcc1*libgcc-s1*) ;;
      *libgcc*) fail "the GCC runtime, \"$group\", is not met by both libgcc1 and libgcc-s1" ;;
    esac
    case "$group" in
      *fonts-*\|*) ;;
      *fonts-*) fail "the font, \"$group\", names a single package" ;;
    esac
  done < <(echo "$1" | tr ',' '\n' | sed 's/^ *//')
  for needed in libc6 libqt5widgets5 libstdc++6 fonts-wqy-microhei; do
    [[ " $seen " == *" $needed "* ]] || fail "no dependency on $needed"
  done
}

# check_program PACKAGE.deb: Qt 5's libraries version their symbols Qt_5,
# all but the version tag (Qt_5.15) and private API: the program imports
# Qt_5 and nothing newer.
check_program() {
  local data program symbols nodes
  data=$(mktemp -d)
  program=$data/usr/bin/vellacor
  if ! dpkg-deb -x "$1" "$data" 2>/dev/null; then
    fail "its files cannot be unpacked"
  elif [ ! -f "$program" ]; then
    fail "holds no program usr/bin/vellacor"
  elif ! symbols=$(readelf --dyn-syms -W "$program" 2>&1); then
    fail "usr/bin/vellacor is not a program readelf can read: ${symbols%%$'\n'*}"
  else
    nodes=$(grep -o '@Qt_[A-Za-z0-9_.]*' <<<"$symbols" | sort -u | tr '\n' ' ' || true)
    echo "$name: Qt version nodes imported: ${nodes:-none}"
    if [ -z "$nodes" ]; then
      fail "usr/bin/vellacor imports no Qt at all: it is not the Qt 5 window"
    elif [ "$nodes" != "@Qt_5 " ]; then
      fail "imports Qt symbols of version nodes beyond Qt_5: $nodes"
    fi
  fi
  rm -rf "$data"
}

for deb in "$@"; do
  name=$(basename "$deb")
  if [ ! -f "$deb" ]; then
    fail "no such file"
    continue
  fi
  if ! depends=$(dpkg-deb -f "$deb" Depends 2>/dev/null); then
    fail "not a Debian package"
    continue
  fi
  echo "$name: Depends: ${depends:-none}"
  if [ -z "$depends" ]; then
    fail "has no Depends"
  else
    check_depends "$depends"
  fi
  check_program "$deb"
done
[ $status -eq 0 ] && echo "qt5_depends: every package holds on the oldest desks"
exit $status
