#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# Writes the notices of what the Windows program links in statically: the
# GCC runtime (libstdc++, libgcc) and the MinGW-w64 runtime. (The win32
# thread model links no winpthreads.)
# Every text comes from the copyright files of the very MinGW-w64 packages
# that build the program, so the notices follow the toolchain.
#   third_party_notices.sh OUT.txt
set -euo pipefail
gcc_copyright=/usr/share/doc/gcc-mingw-w64-base/copyright
mingw_copyright=/usr/share/doc/mingw-w64-common/copyright
gpl3=/usr/share/common-licenses/GPL-3
for file in "$gcc_copyright" "$mingw_copyright" "$gpl3"; do
  [ -f "$file" ] || { echo "third_party_notices: no $file" >&2; exit 1; }
done

# Lines FROM .. up to (not including) the first line matching UNTIL.
between() { awk -v from="$2" -v until="$3" 'index($0, from) == 1 { on = 1 }
  on && $0 ~ until { exit } on' "$1"; }

# The mingw-w64 paragraphs of what is linked in (the runtime, not its
# headers' sources), then each licence they name whose text stands in a
# paragraph of its own.
mingw_paragraphs() {
  awk -v RS= -v ORS='\n\n' '
    /^Files:/ {
      files = $0; sub(/\n(Copyright|License):.*/, "", files)
      if (files ~ /^Files: \*$/ || files ~ /mingw-w64-crt\//) {
        print; match($0, /\nLicense: [^\n]*/)
        name = substr($0, RSTART + 10, RLENGTH - 10)
        n = split(name, parts, / and | or /)
        for (i = 1; i <= n; i++) wanted[parts[i]] = 1
      }
      next
    }
    /^License:/ { name = $0; sub(/\n.*/, "", name); sub(/^License: /, "", name); text[name] = $0 }
    END { for (name in wanted) if (name in text) print text[name] }' "$mingw_copyright"
}

{
  cat <<'HEAD'
Vellacor for Windows: third-party notices

vellacor.exe is one file: it contains, linked in when it was built with
MinGW-w64, parts of these libraries, whose licences ask that their notices
travel with the program. Vellacor itself is under the MIT licence
(LICENSE.txt).

1. The GCC runtime libraries (libstdc++, libgcc): GNU General Public
   License, version 3 or later, with the GCC Runtime Library Exception,
   version 3.1. Under that exception the program may be passed on under
   terms of its own.
2. The MinGW-w64 runtime (mingw-w64-crt): the licences of its parts,
   listed in section 2.

HEAD
  echo "======================================================================"
  echo "1. GCC runtime libraries (from $gcc_copyright)"
  echo "======================================================================"
  echo
  between "$gcc_copyright" "GCC is Copyright (C)" "^The libbacktrace library"
  between "$gcc_copyright" "GCC RUNTIME LIBRARY EXCEPTION" "^libquadmath/"
  echo "----------------------------------------------------------------------"
  echo "GNU General Public License, version 3 (from $gpl3)"
  echo "----------------------------------------------------------------------"
  echo
  cat "$gpl3"
  echo
  echo "======================================================================"
  echo "2. MinGW-w64 runtime (from $mingw_copyright)"
  echo "======================================================================"
  echo
  mingw_paragraphs
} | sed 's/$/\r/' >"$1"
