#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# What a vellacor-qt5 package asks of a desk, as its own metadata says (the
# Depends that Debian's symbols files gave it, and the Qt symbol versions
# its program imports), against the oldest desks it is for: UOS 20, Deepin
# 20 and Debian 10 (glibc 2.28, GCC 8, Qt 5.11), and Kylin V10 (Ubuntu
# 20.04: libgcc1, not libgcc-s1). Fails, saying why, where it asks more.
#   qt5_depends.sh PACKAGE.deb...
set -euo pipefail
[ $# -gt 0 ] || { echo "qt5_depends: no package given" >&2; exit 1; }
status=0
for deb in "$@"; do
  name=$(basename "$deb")
  fail() { echo "qt5_depends: $name: $*" >&2; status=1; }
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "$name: Depends: $depends"
  seen=""
  while IFS= read -r group; do
    # Each alternative at most as new as the oldest desk has.
    while read -r package version; do
      seen="$seen $package"
      case $package in
        libc6) limit="le 2.28" ;;
        libqt5*) limit="lt 5.12~" ;;
        libstdc++6) limit="lt 9~" ;;
        *) limit="" ;;
      esac
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
  done < <(echo "$depends" | tr ',' '\n' | sed 's/^ *//')
  for needed in libc6 libqt5widgets5 libstdc++6 fonts-wqy-microhei; do
    [[ " $seen " == *" $needed "* ]] || fail "no dependency on $needed"
  done
  # Qt 5's libraries version their symbols Qt_5, all but the version tag
  # (Qt_5.15) and private API: the program imports none of those.
  data=$(mktemp -d)
  dpkg-deb -x "$deb" "$data"
  nodes=$(readelf --dyn-syms -W "$data/usr/bin/vellacor" | grep -o '@Qt_[A-Za-z0-9_.]*' | sort -u |
    tr '\n' ' ')
  rm -rf "$data"
  echo "$name: Qt version nodes imported: $nodes"
  [ "$nodes" = "@Qt_5 " ] || fail "imports Qt symbols of version nodes beyond Qt_5: $nodes"
done
[ $status -eq 0 ] && echo "qt5_depends: every package holds on the oldest desks"
exit $status
