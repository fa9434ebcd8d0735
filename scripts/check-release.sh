#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# The files to hand out, judged by their own ecosystems' checkers: every
# file of the tree licensed (reuse lint), the menu entry and the software
# centres' metainfo valid (as each .deb carries it), the .debs in dist/ (make dist) passing lintian
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
deb=(dist/vellacor*.deb)

# hardened PROGRAM PACKAGE: the program hardened as Debian's own are, by
# hardening-check's every answer. Two answers are read more closely. Fortify
# is "no" where the only calls it could fortify are libstdc++'s copies of
# strings and vectors (memcpy, memmove, memset), whose sizes no compiler
# knows; any other unprotected call fails. Control-flow protection is
# compiled into every function of ours, but Debian 11's and 12's glibc
# start files carry no CET property, so the linker leaves the program
# unmarked: on amd64 the end-branch instructions (endbr64) that begin each
# of its functions stand for it (some 240; 2 without the flag).
hardened() {
  local report faults
  # (hardening-check's objdump cannot read arm64 code: it says so, and
  # answers "unknown" for stack-clash protection there.)
  report=$(hardening-check --verbose "$1" 2>/dev/null || true)
  printf '%s:%s\n' "$(basename "$2")" "${report#*:}"
  faults=$(grep -E '^ [^:]+: no' <<<"$report" |
    grep -v -e '^ Fortify Source functions: no, only unprotected' -e '^ Control flow integrity' || true)
  faults+=$(grep -E '^\s+unprotected:' <<<"$report" | grep -vE 'unprotected: (memcpy|memmove|memset)$' || true)
  if [[ $2 == *amd64.deb ]] && [ "$(objdump -d "$1" | grep -c endbr64)" -lt 100 ]; then
    faults+=" no control-flow protection (endbr64)"
  fi
  [ -z "$faults" ] || { echo "check-release: $2: $faults" >&2; exit 1; }
}

[ -f "${deb[0]}" ] || { echo "check-release: no .deb in dist/; run make dist first" >&2; exit 1; }
# lintian, as root here, says so on stderr; that is no finding. Of its
# hardening tags, only the one that hardening-check's fortify answer
# explains below may stand.
findings=$(lintian --fail-on error,warning --info "${deb[@]}" 2> >(grep -v 'root privileges' >&2))
printf '%s\n' "$findings"
if grep 'hardening-' <<<"$findings" | grep -qv 'hardening-no-fortify-functions'; then
  echo "check-release: lintian finds a program less hardened than Debian's" >&2
  exit 1
fi
echo "lintian ${deb[*]}: no error, no warning, no hardening tag"
# The .deb as plain cpack makes it in make test's build, for a caller
# whose umask lets the group write: its folders are 0755 all the same.
[ -f build/CPackConfig.cmake ] || { echo "check-release: no build/: run make test first" >&2; exit 1; }
(umask 002 && cd build && cpack -G DEB >/dev/null)
lintian --fail-on error,warning build/vellacor_*_amd64.deb 2> >(grep -v 'root privileges' >&2)
echo "lintian build/$(cd build && echo vellacor_*_amd64.deb), made by cpack under umask 002: no error, no warning"
tests/packaging/qt5_depends.sh dist/vellacor-qt5_*.deb
# The technician's guide, with its picture, in every package and zip.
for one in dist/*.deb dist/*.zip; do
  case $one in
    *.deb) listing=$(dpkg-deb -c "$one") ;;
    *) listing=$(python3 -m zipfile -l "$one") ;;
  esac
  for file in guide.html guide.png; do
    grep -qE "/$file( |$)" <<<"$listing" ||
      { echo "check-release: $one carries no $file" >&2; exit 1; }
  done
  echo "the guide in $(basename "$one"): $(grep -o '[^ ]*/guide.html' <<<"$listing")"
done
# The MSIs install for every user of a PC, and replace older versions.
for msi in dist/*.msi; do
  allusers=$(msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ALLUSERS" { print $2 }')
  [ "$allusers" = 1 ] || { echo "check-release: $msi: ALLUSERS is '$allusers', not 1" >&2; exit 1; }
  echo "$(basename "$msi"): ALLUSERS $allusers, $(msiinfo export "$msi" Property | tr -d '\r' | grep -E '^(UpgradeCode|ProductCode|ProductVersion)' | tr '\t\n' '  ')"
  msiinfo export "$msi" Upgrade | tr -d '\r' | tail -n +4 | sed 's/^/  Upgrade: /'
done
# Each document the man page names is in the package that carries it.
for one in "${deb[@]}"; do
  files=$(mktemp -d)
  dpkg-deb -x "$one" "$files"
  named=$(gzip -dc "$files/usr/share/man/man1/vellacor.1.gz" | grep -o '/usr/share/doc/[^ )]*' || true)
  hardened "$files/usr/bin/vellacor" "$one"
  appstreamcli validate --no-net "$files/usr/share/metainfo/org.vellacor.Vellacor.metainfo.xml"
  [ -n "$named" ] || { echo "check-release: $one: the man page names no document" >&2; exit 1; }
  for path in $named; do
    [ -f "$files$path" ] || { echo "check-release: $one: the man page names $path, not in it" >&2; exit 1; }
  done
  rm -rf "$files"
  echo "man page of $(basename "$one"): $(tr '\n' ' ' <<<"$named")"
done
