#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# Rewrites a .deb's Installed-Size as dpkg itself counts it (each file's
# size rounded up to KiB, 1 KiB for every other entry). CPack counts the
# size its staging folders report, 4 KiB each on ext4 and a few bytes on
# tmpfs, so the same package came out different on another file system.
# The control archive is packed again in a fixed form (sorted, root-owned,
# stamped with SOURCE_DATE_EPOCH, gzip without name or time). With
# --either-libgcc, a dependency on the GCC runtime is met by its older
# name too, libgcc1, as Debian 10 calls it (and so UOS 20 and Deepin 20;
# Ubuntu 20.04 and Kylin V10 already have libgcc-s1).
#   normalize-deb.sh PACKAGE.deb [--either-libgcc]
set -euo pipefail
deb=$(realpath "$1")
either_libgcc=${2:-}
epoch=${SOURCE_DATE_EPOCH:-0}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ar x "$deb"
mkdir control data
tar -xzf control.tar.gz -C control
tar -xzf data.tar.gz -C data
size=$(find data -mindepth 1 \( -type f -printf 'f %s\n' \) -o \( ! -type f -printf 'o 0\n' \) |
  awk '$1 == "f" { total += int(($2 + 1023) / 1024); next } { total += 1 } END { print total }')
sed -i "s/^Installed-Size: .*/Installed-Size: $size/" control/control
if [ "$either_libgcc" = --either-libgcc ]; then
  sed -i '/^Depends:/s/libgcc-s1 (>= \([^)]*\))/libgcc-s1 (>= \1) | libgcc1 (>= 1:\1)/' control/control
fi
members=$(ar t "$deb")
tar --sort=name --mtime="@$epoch" --owner=0 --group=0 --numeric-owner --format=gnu \
  -C control -cf - . | gzip -9n >control.tar.gz
rm "$deb"
# shellcheck disable=SC2086  # the members' names, in their order
ar rcD "$deb" $members
