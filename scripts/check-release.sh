#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# The files to hand out, judged by their own ecosystems' checkers: every
# file of the tree licensed (reuse lint), the menu entry and the software
# centres' metainfo valid, the .debs in dist/ (make dist) passing lintian
# with no error and no warning, and the Qt 5 ones asking no more than the
# oldest desks have. Each checker's output is shown.
#   scripts/check-release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh release
# Each on a line of its own: under set -e a failure left of && stops nothing.
reuse lint --quiet
echo "reuse lint: compliant"
desktop-file-validate window/qt/org.vellacor.Vellacor.desktop
echo "desktop-file-validate: valid"
appstreamcli validate --no-net window/qt/org.vellacor.Vellacor.metainfo.xml
deb=(dist/vellacor*.deb)
[ -f "${deb[0]}" ] || { echo "check-release: no .deb in dist/; run make dist first" >&2; exit 1; }
# lintian, as root here, says so on stderr; that is no finding.
lintian --fail-on error,warning --info "${deb[@]}" 2> >(grep -v 'root privileges' >&2)
echo "lintian ${deb[*]}: no error, no warning"
tests/packaging/qt5_depends.sh dist/vellacor-qt5_*.deb
# The technician's guide, with its picture, in every package and zip.
for one in dist/*.deb dist/*.zip; do
  case $one in
    *.deb) listing=$(dpkg-deb -c "$one") ;;
    *) listing=$(python3 -m zipfile -l "$one") ;;
  esac
  for file in guide.html guide.png; do
    grep -q "/$file " <<<"$listing " ||
      { echo "check-release: $one carries no $file" >&2; exit 1; }
  done
  echo "the guide in $(basename "$one"): $(grep -o '[^ ]*/guide.html' <<<"$listing")"
done
# Each document the man page names is in the package that carries it.
for one in "${deb[@]}"; do
  files=$(mktemp -d)
  dpkg-deb -x "$one" "$files"
  named=$(gzip -dc "$files/usr/share/man/man1/vellacor.1.gz" | grep -o '/usr/share/doc/[^ )]*' || true)
  [ -n "$named" ] || { echo "check-release: $one: the man page names no document" >&2; exit 1; }
  for path in $named; do
    [ -f "$files$path" ] || { echo "check-release: $one: the man page names $path, not in it" >&2; exit 1; }
  done
  rm -rf "$files"
  echo "man page of $(basename "$one"): $(tr '\n' ' ' <<<"$named")"
done
