#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# qt5_depends.sh fails aloud, saying why, on every package it cannot vouch
# for: each case is a made-up package and the words its failure must say.
#   qt5_depends_test.sh
set -euo pipefail
checker=$(cd "$(dirname "$0")" && pwd)/qt5_depends.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
good="fonts-wqy-microhei | fonts-noto-cjk | fonts-wqy-zenhei, libc6 (>= 2.14), \
libgcc-s1 (>= 3.0) | libgcc1 (>= 1:3.0), libqt5core5a (>= 5.4.0), \
libqt5gui5 (>= 5.11.0~rc1) | libqt5gui5-gles (>= 5.11.0~rc1), libqt5widgets5 (>= 5.10.0), \
libstdc++6 (>= 5.2)"

# package NAME DEPENDS PROGRAM: a .deb whose usr/bin/vellacor is a copy of
# PROGRAM ("" for none), with the Depends given ("" for none).
package() {
  local tree=$work/$1
  mkdir -p "$tree/DEBIAN"
  {
    echo "Package: vellacor-qt5"
    echo "Version: 0"
    echo "Architecture: amd64"
    echo "Maintainer: Vellacor developers <dev@vellacor.invalid>"
    [ -z "$2" ] || echo "Depends: $2"
    echo "Description: a package made up for the test"
  } >"$tree/DEBIAN/control"
  if [ -n "$3" ]; then
    mkdir -p "$tree/usr/bin"
    cp "$3" "$tree/usr/bin/vellacor"
  fi
  dpkg-deb --root-owner-group -b "$tree" "$work/$1.deb" >/dev/null
  echo "$work/$1.deb"
}
echo "#!/bin/sh" >"$work/shell-script"
echo "not a package" >"$work/text.deb"
native=$(type -P true)

failures=0
# expect WORDS PACKAGE: the checker fails and says WORDS.
expect() {
  local said
  if said=$("$checker" "$2" 2>&1); then
    echo "FAIL: $(basename "$2") passed; expected \"$1\""
    failures=$((failures + 1))
  elif [[ "$said" != *"$1"* ]]; then
    echo "FAIL: $(basename "$2") failed without saying \"$1\":"
    while IFS= read -r line; do echo "  $line"; done <<<"$said"
    failures=$((failures + 1))
  else
    echo "ok: $(basename "$2"): $1"
  fi
}
expect "no such file" "$work/missing.deb"
expect "not a Debian package" "$work/text.deb"
expect "has no Depends" "$(package no-depends "" "$native")"
expect "holds no program usr/bin/vellacor" "$(package no-program "$good" "")"
expect "is not a program readelf can read" "$(package script "$good" "$work/shell-script")"
expect "imports no Qt at all" "$(package no-qt "$good" "$native")"
expect "libc6 (>= 2.34) needs more than the oldest desk has" \
  "$(package new-libc "${good/2.14/2.34}" "$native")"
expect "libqt5widgets5 (>= 5.15.0) needs more" "$(package new-qt "${good/5.10.0/5.15.0}" "$native")"
expect "is not met by both libgcc1 and libgcc-s1" \
  "$(package one-libgcc "${good/ | libgcc1 (>= 1:3.0)/}" "$native")"
expect "names a single package" \
  "$(package one-font "${good/ | fonts-noto-cjk | fonts-wqy-zenhei/}" "$native")"
expect "no dependency on libqt5widgets5" \
  "$(package no-widgets "${good/, libqt5widgets5 (>= 5.10.0)/}" "$native")"
[ $failures -eq 0 ] && echo "qt5_depends_test: every fault reported"
exit $((failures > 0))
