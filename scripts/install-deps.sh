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

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "install-deps: missing packages, and neither root nor sudo here to install them." >&2
    echo "Run this as root, then try again:" >&2
    echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
