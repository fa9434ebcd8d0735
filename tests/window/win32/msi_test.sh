#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The MSI under Wine's msiexec, as a deployment tool runs it on a lab's
# shared PC: a silent install for all users of the zip's files into
# Program Files, with both shortcuts and one entry among the installed
# programs; the installed program computes the worked example; a newer
# version replaces it (one entry), an older one is refused over it; a
# silent removal leaves nothing. The same package for 32-bit Windows (the
# same template and script, here of the same files) goes to Program Files
# (x86).
#   msi_test.sh PREFIX VELLACOR.msi START_AND_CLOSE.exe PORTABLE.zip ICON GUIDE_SHORTCUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../../scripts/wine-env.sh
. "$here/../../../scripts/wine-env.sh"
prefix=$1 msi=$2 starter=$3 zip=$4 icon=$5 guide=$6
[ -f "$msi" ] || { echo "no $msi: make the packages first (cpack)" >&2; exit 1; }
wine_prefix "$prefix"
export WINEPREFIX=$prefix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "msi_test: $*" >&2; exit 1; }
unix() { "$wine64" winepath -u "$1" | tr -d '\r'; }
msiexec() { "$wine64" msiexec "$@"; }
entries() { "$wine64" uninstaller --list | tr -d '\r' | grep -c '|||Vellacor$' || true; }
menus=("$(unix 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs')"
  "$(unix "$("$wine64" cmd /c 'echo %APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs")")
shortcut() { for menu in "${menus[@]}"; do [ -f "$menu/$1.lnk" ] && echo "$menu/$1.lnk"; done; true; }

# A newer and the 32-bit package, of the zip's own files.
python3 -m zipfile -e "$zip" "$work/zip"
folder=$(echo "$work"/zip/*)
version=$(msiinfo export "$msi" Property | awk -F'\t' '$1 == "ProductVersion" { print $2 }' | tr -d '\r')
newer=$work/newer.msi win32=$work/win32.msi
"$here/../../../cmake/make-msi.sh" "$newer" "$folder" 9.99 x64 Vellacor "$icon" "$guide"
"$here/../../../cmake/make-msi.sh" "$win32" "$folder" "$version" x86 Vellacor "$icon" "$guide"

# installed MSI FOLDER: installs silently, and finds the zip's files there.
installed() {
  msiexec /i "$1" /qn || fail "msiexec /i $(basename "$1") /qn failed"
  local dir carried found
  dir=$(unix "$2\\Vellacor")
  carried=$(python3 -m zipfile -l "$zip" | awk 'NR > 1 { print $1 }' | sed -n 's|^[^/]*/\(.\)|\1|p' | sort)
  found=$(find "$dir" -mindepth 1 -maxdepth 1 -printf '%f\n' 2>/dev/null | sort)
  [ "$carried" = "$found" ] || fail "$(basename "$1") installs other files than the zip carries:"$'\n'"$(diff <(echo "$carried") <(echo "$found"))"
  echo "$(basename "$1"): installed into $dir"
}

installed "$msi" 'C:\Program Files'
for name in Vellacor "$guide"; do
  [ -n "$(shortcut "$name")" ] || fail "no Start-menu shortcut $name"
  echo "shortcut: $(shortcut "$name")"
done
[ "$(entries)" = 1 ] || fail "$(entries) entries among the installed programs, not 1"
"$wine64" "$starter" 'C:\Program Files\Vellacor\vellacor.exe' --worked ||
  fail "the installed program did not compute the worked example"
echo "the installed program computed the worked example"

msiexec /i "$newer" /qn || fail "the newer package did not install over the older"
[ "$(entries)" = 1 ] || fail "$(entries) entries after the upgrade, not 1"
"$wine64" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
  grep -q 'DisplayVersion.*9\.99' || fail "the entry is not the newer version's"
echo "upgraded to 9.99: one entry"
if msiexec /i "$msi" /qn /l "$work/older.log"; then fail "the older package installed over the newer"; fi
[ "$(entries)" = 1 ] || fail "$(entries) entries after the refused older package, not 1"
echo "the older package refused over the newer"

msiexec /x "$newer" /qn || fail "msiexec /x failed"
[ ! -e "$(unix 'C:\Program Files\Vellacor')" ] || fail "Program Files\\Vellacor is still there"
for name in Vellacor "$guide"; do [ -z "$(shortcut "$name")" ] || fail "the shortcut $name is still there"; done
[ "$(entries)" = 0 ] || fail "still among the installed programs"
! "$wine64" reg query 'HKLM\Software\Vellacor' >/dev/null 2>&1 || fail "its registry key is still there"
echo "removed: no folder, no shortcut, no entry left"

installed "$win32" 'C:\Program Files (x86)'
msiexec /x "$win32" /qn || fail "msiexec /x of the 32-bit package failed"
[ "$(entries)" = 0 ] || fail "the 32-bit package is still among the installed programs"
echo "the 32-bit package: installed into Program Files (x86) and removed"
