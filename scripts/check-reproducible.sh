#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# Proves that the files to hand out can be rebuilt bit for bit: clones the
# last commit twice, into folders of different names and depths, the second
# on a file system of another kind where there is one (tmpfs lists a
# folder's files in another order than ext4), runs `make dist` in each a
# little apart in time, and compares the SHA256SUMS. Fails, naming the
# files, where any differ; otherwise leaves the files it proved in dist/.
#   scripts/check-reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(mktemp -d)
if [ -d /dev/shm ] && [ -w /dev/shm ]; then other=$(mktemp -d -p /dev/shm); else other=$(mktemp -d); fi
trap 'rm -rf "$top" "$other"' EXIT
first=$top/a/vellacor second=$other/second/clone/of/vellacor-again
for clone in "$first" "$second"; do
  git clone -q --no-hardlinks "$PWD" "$clone"
  echo "check-reproducible: make dist in $clone"
  (cd "$clone" && make dist >/dev/null 2>&1) || {
    echo "check-reproducible: make dist failed in $clone" >&2
    exit 1
  }
  sleep 2  # the second build starts in another second
done
echo "check-reproducible: $(git log -1 --format='%h, SOURCE_DATE_EPOCH=%ct')"
paste -d '\n' "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS" | sed 's/^/  /'
if cmp -s "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
  echo "check-reproducible: both builds are identical, byte for byte"
  rm -rf dist
  cp -r "$first/dist" dist
else
  echo "check-reproducible: the builds differ:" >&2
  diff "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS" >&2 || true
  exit 1
fi
