#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The program takes its own folder out of the DLL search before anything
# loads a DLL: Wine's trace of its calls shows both restrictions made, and
# made before the common controls start, and the window still opens and
# closes.
#   dll_search_test.sh PREFIX START_AND_CLOSE.exe vellacor.exe
set -euo pipefail
# shellcheck source=../../../scripts/wine-env.sh
. "$(dirname "$0")/../../../scripts/wine-env.sh"
prefix=$1 starter=$2 program=$3
wine_prefix "$prefix"
export WINEPREFIX=$prefix
"$wine64" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /f /d \
  'kernel32.SetDllDirectoryW;kernel32.SetDefaultDllDirectories;comctl32.InitCommonControlsEx' >/dev/null
trace=$(WINEDEBUG=+relay "$wine64" "$starter" "$("$wine64" winepath -w "$program" | tr -d '\r')" 2>&1) ||
  { printf '%s\n' "$trace" | tail -n 5 >&2; echo "dll_search_test: the program did not open and close" >&2; exit 1; }
calls=$(grep -oE '(Call|Ret ) (KERNEL32|comctl32)\.[A-Za-z]+\([^)]*\)( retval=[0-9a-f]+)?' <<<"$trace" |
  sed -E 's/\([0-9a-f]+ L/(L/; s/InitCommonControlsEx\([0-9a-f]+\)/InitCommonControlsEx(…)/' | head -n 5)
expected='Call KERNEL32.SetDllDirectoryW(L"")
Ret  KERNEL32.SetDllDirectoryW() retval=00000001
Call KERNEL32.SetDefaultDllDirectories(00000800)
Ret  KERNEL32.SetDefaultDllDirectories() retval=00000001
Call comctl32.InitCommonControlsEx(…)'
[ "$calls" = "$expected" ] ||
  { echo "dll_search_test: the program's first calls are not the restrictions:"; diff <(echo "$expected") <(echo "$calls"); exit 1; } >&2
printf '%s\n' "$calls"
echo "dll_search_test: the system folder alone, before the common controls start"
