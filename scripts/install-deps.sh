#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages of the groups given (default: core window)
# that are missing; says nothing when none is. Idempotent.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -eq 0 ]; then groups=(core window); else groups=("$@"); fi

wanted=()
while read -r group package; do
  [[ -z "$group" || "$group" == \#* ]] && continue
  for g in "${groups[@]}"; do [[ "$g" == "$group" ]] && wanted+=("$package"); done
done < "$here/debian-packages.txt"

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  echo "install-deps: not Debian or Ubuntu; install the equivalents of: ${wanted[*]}" >&2
  exit 0
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# A choice "a|b" is met when any of them is installed; else the first the
# archive offers is wanted (which needs the package lists, read below).
missing=()
choices=()
for entry in "${wanted[@]}"; do
  met=false
  for package in ${entry//|/ }; do installed "$package" && met=true; done
  $met && continue
  if [[ "$entry" == *"|"* ]]; then choices+=("$entry"); else missing+=("$entry"); fi
done
[ ${#missing[@]} -eq 0 ] && [ ${#choices[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "install-deps: missing packages, and neither root nor sudo here to install them." >&2
    echo "Run this as root, then try again:" >&2
    echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
    for entry in "${choices[@]}"; do echo "and one of: ${entry//|/ }" >&2; done
    exit 1
  fi
  sudo="sudo"
fi
# Packages of another architecture ("qt6-base-dev:arm64") need it added
# to dpkg first: multiarch, beside the machine's own packages.
for entry in "${missing[@]}" "${choices[@]}"; do
  [[ "$entry" == *:* ]] || continue
  arch=${entry##*:}
  dpkg --print-foreign-architectures | grep -qx "$arch" || $sudo dpkg --add-architecture "$arch"
done
$sudo apt-get update -qq
for entry in "${choices[@]}"; do
  for package in ${entry//|/ }; do
    if apt-cache show "$package" >/dev/null 2>&1; then
      missing+=("$package")
      continue 2
    fi
  done
  echo "install-deps: none of $entry is in the archive" >&2
  exit 1
done
echo "install-deps: installing ${missing[*]}"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
