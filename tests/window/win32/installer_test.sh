#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The installer under Wine, as a lab PC without administrator rights meets
# it: no folder outside the user's profile; a silent install for the
# current user of the files the portable zip
# carries, a start of the installed program, a silent uninstall that leaves
# nothing behind.
#   installer_test.sh PREFIX SETUP.exe START_AND_CLOSE.exe PORTABLE.zip
set -euo pipefail
# shellcheck source=../../../scripts/wine-env.sh
. "$(dirname "$0")/../../../scripts/wine-env.sh"
prefix=$1 setup=$2 starter=$3 zip=$4
[ -f "$setup" ] || { echo "no $setup: make the packages first (cpack)" >&2; exit 1; }
wine_prefix "$prefix"
export WINEPREFIX=$prefix
unix() { "$wine64" winepath -u "$1" | tr -d '\r'; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vellacor'
local_app=$("$wine64" cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
programs=$("$wine64" cmd /c 'echo %APPDATA%' | tr -d '\r')'\Microsoft\Windows\Start Menu\Programs'
dir=$(unix "$local_app\\Programs\\Vellacor")
shortcut=$(unix "$programs\\Vellacor.lnk")
guide=$(unix "$programs\\Vellacor 使用说明.lnk")
fail() { echo "installer_test: $*" >&2; exit 1; }

# A folder outside the user's profile, which other users could change, is
# refused: only the MSI installs for every user.
for outside in 'C:\Vellacor' "$local_app\..\..\..\Vellacor"; do
  if "$wine64" "$setup" /S "/D=$outside"; then fail "installed into $outside, outside the profile"; fi
  [ ! -e "$(unix 'C:\Vellacor')" ] || fail "made C:\Vellacor"
done
echo "refused a folder outside the user's profile"

"$wine64" "$setup" /S
[ -f "$dir/vellacor.exe" ] || fail "no vellacor.exe in $dir"
for file in guide.html LICENSE.txt THIRD-PARTY-NOTICES.txt; do
  [ -f "$dir/$file" ] || fail "no $file in $dir"
done
carried=$(cmake -E tar tf "$zip" | sed -n 's|^[^/]*/\(.\)|\1|p' | sort)
installed=$(find "$dir" -mindepth 1 -maxdepth 1 ! -name uninstall.exe -printf '%f\n' | sort)
[ "$carried" = "$installed" ] ||
  fail "installs other files than the zip carries:"$'\n'"$(diff <(echo "$carried") <(echo "$installed"))"
for link in "$shortcut" "$guide"; do [ -f "$link" ] || fail "no Start-menu shortcut $link"; done
"$wine64" reg query "$key" /v DisplayName | grep -q Vellacor || fail "not among the installed programs"
echo "installed into $dir, with its shortcut and uninstall entry"

"$wine64" "$starter" "$local_app\\Programs\\Vellacor\\vellacor.exe" ||
  fail "the installed program did not show its window and end when closed"
echo "the installed program started, showed its window and ended when closed"

# The uninstaller runs on from a copy of itself: wait for it to finish.
"$wine64" "$local_app\\Programs\\Vellacor\\uninstall.exe" /S
for _ in $(seq 100); do [ -e "$dir" ] || break; sleep 0.2; done
[ ! -e "$dir" ] || fail "$dir is still there: $(ls -A "$dir")"
for link in "$shortcut" "$guide"; do [ ! -e "$link" ] || fail "the shortcut $link is still there"; done
! "$wine64" reg query "$key" >/dev/null 2>&1 || fail "still among the installed programs"
echo "uninstalled: no folder, no shortcut, no entry left"
