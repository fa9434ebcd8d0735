#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# Confirms that signed files are what this commit builds: every program in
# the signed folder's zips, its Authenticode signature removed, is the same
# bytes as the program in the unsigned folder's zip of that name, but for
# the PE header's checksum, which signing rewrites, and the zeros that pad
# it to a multiple of 8 bytes before the signature. Run it on the files of
# a release against an unsigned `make dist` of its commit: anyone can make
# the unsigned files, byte for byte (scripts/check-reproducible.sh).
# (The installers carry the signed program and uninstaller inside, packed,
# so only their signatures can be checked, not their bytes.)
#   scripts/compare-signed.sh SIGNED_FOLDER UNSIGNED_FOLDER
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: scripts/compare-signed.sh SIGNED_FOLDER UNSIGNED_FOLDER" >&2; exit 2; }
signed=$1 unsigned=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
compared=0
for zip in "$signed"/*-win*.zip; do
  [ -f "$zip" ] || continue
  name=$(basename "$zip")
  [ -f "$unsigned/$name" ] || { echo "compare-signed: no $name in $unsigned" >&2; exit 1; }
  mkdir -p "$work/$name/signed" "$work/$name/unsigned"
  python3 -m zipfile -e "$zip" "$work/$name/signed"
  python3 -m zipfile -e "$unsigned/$name" "$work/$name/unsigned"
  while IFS= read -r -d '' program; do
    inside=${program#"$work/$name/signed/"}
    osslsigncode remove-signature -in "$program" -out "$program.bare" >/dev/null
    python3 - "$program.bare" "$work/$name/unsigned/$inside" "$name: $inside" <<'PYTHON'
import struct, sys
bare, built, what = sys.argv[1:]
def without_checksum(path):
    data = bytearray(open(path, "rb").read())
    checksum = struct.unpack_from("<I", data, 0x3C)[0] + 4 + 20 + 64  # PE header, optional header
    data[checksum:checksum + 4] = bytes(4)
    return bytes(data)
bare, built = without_checksum(bare), without_checksum(built)
# Signing first pads the file to a multiple of 8 bytes with zeros, which
# the removal leaves.
padding = bare[len(built):]
if bare[:len(built)] != built or len(padding) > 7 or padding.strip(b"\0"):
    sys.exit(f"compare-signed: {what}: the signed program is not the one this commit builds")
print(f"compare-signed: {what}: the signed program, its signature removed, is the unsigned build's")
PYTHON
    compared=$((compared + 1))
  done < <(find "$work/$name/signed" -name '*.exe' -print0)
done
[ "$compared" -gt 0 ] || { echo "compare-signed: no program in $signed's zips" >&2; exit 1; }
