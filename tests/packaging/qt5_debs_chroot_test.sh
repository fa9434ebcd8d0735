#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# scripts/qt5-debs.sh neither uses nor removes a folder that it did not
# make: given one as VELLACOR_CHROOT, it refuses, saying why, before it
# runs sudo, debootstrap, apt or chroot (stand-ins on PATH log any call),
# and leaves every file in the folder as it was.
#   qt5_debs_chroot_test.sh
set -euo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/qt5-debs.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
for tool in sudo debootstrap chroot apt-get dpkg-query; do
  printf '#!/bin/sh\necho "%s $*" >>"%s"\nexit 1\n' "$tool" "$work/calls" >"$work/bin/$tool"
  chmod +x "$work/bin/$tool"
done

# Folders that are not the script's, each as a user may have pointed at it.
mkdir -p "$work/notes" "$work/debian/usr/bin" "$work/debian/etc"
echo "a week of sieve results" >"$work/notes/results.txt"
printf '#!/bin/sh\n' >"$work/debian/usr/bin/apt-get"
chmod +x "$work/debian/usr/bin/apt-get"
echo "11.11" >"$work/debian/etc/debian_version"
echo "a file, not a folder" >"$work/plain-file"

failures=0
for folder in "$work/notes" "$work/debian" "$work/plain-file" /; do
  # What is in the folder (the whole machine's root aside, which others write).
  listing() { [ "$folder" = / ] || find "$folder" -printf '%p %s %T@\n' | sort; }
  before=$(listing)
  status=0
  said=$(PATH="$work/bin:$PATH" VELLACOR_CHROOT=$folder "$script" "$work/out" 2>&1) || status=$?
  after=$(listing)
  problem=""
  [ $status -eq 1 ] || problem="exit status $status, not 1"
  [[ "$said" == *"is not a chroot this script made"* ]] || problem="$problem; said \"$said\""
  [ "$before" = "$after" ] || problem="$problem; the folder changed"
  [ ! -s "$work/calls" ] || problem="$problem; ran $(tr '\n' ';' <"$work/calls")"
  [ ! -e "$work/out" ] || problem="$problem; made the output folder"
  if [ -n "$problem" ]; then
    echo "FAIL: $folder: ${problem#; }"
    failures=$((failures + 1))
  else
    echo "ok: $folder refused and left as it was"
  fi
  rm -f "$work/calls"
done
exit $((failures > 0))
