#!/usr/bin/env bash
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
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
