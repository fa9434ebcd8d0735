#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# The Qt 5 packages, vellacor-qt5, for the desks of the Qt 5 generation
# (UOS 20 and Deepin 20, Kylin V10, Debian 10 and 11), amd64 and arm64:
# built from the last commit in a Debian 11 chroot (Qt 5.15, GCC 10,
# glibc 2.31), arm64 cross-built there by multiarch. The program uses no
# Qt newer than 5.11 and is built without Qt's version tag, so the
# dependencies that Debian's symbols files give it hold on those desks
# (tests/packaging/qt5_depends.sh checks them). The chroot is made once
# with debootstrap and kept (VELLACOR_CHROOT, /var/cache/vellacor/bullseye
# by default); it needs root.
#   scripts/qt5-debs.sh OUTPUT_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
out=$(realpath -m "$1")
root=${VELLACOR_CHROOT:-/var/cache/vellacor/bullseye}
packages="g++ cmake make file dpkg-dev libgtest-dev googletest qtbase5-dev \
  crossbuild-essential-arm64 qtbase5-dev:arm64"
scripts/install-deps.sh chroot

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 "$@"; }

# The chroot: made once, brought to the package list when it changes.
if [ "$(cat "$root/.vellacor-packages" 2>/dev/null)" != "$packages" ]; then
  if [ ! -x "$root/usr/bin/apt-get" ]; then
    rm -rf "$root"
    mkdir -p "$(dirname "$root")"
    echo "qt5-debs: making a Debian 11 chroot in $root"
    debootstrap --variant=minbase bullseye "$root" http://deb.debian.org/debian >/dev/null
  fi
  in_root dpkg --add-architecture arm64
  in_root apt-get update -qq
  # shellcheck disable=SC2086  # one package a word
  in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    $packages >/dev/null
  echo "$packages" >"$root/.vellacor-packages"
fi

# The last commit, at one path inside, so that every build is the same.
rm -rf "$root/build"
mkdir -p "$root/build/src" "$out"
git archive HEAD | tar -x -C "$root/build/src"
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
for arch in amd64 arm64; do
  toolchain=""
  [ "$arch" = arm64 ] && toolchain=-DCMAKE_TOOLCHAIN_FILE=/build/src/cmake/aarch64-linux-gnu.cmake
  in_root sh -c "cd /build && cmake -S src -B $arch $toolchain -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVELLACOR_TESTS=OFF -DVELLACOR_BENCH=OFF >/dev/null && cmake --build $arch -j $(nproc) \
      >/dev/null && cd $arch && SOURCE_DATE_EPOCH=$epoch TZ=UTC cpack >/dev/null"
  deb=("$root/build/$arch"/vellacor-qt5_*_"$arch".deb)
  # CMake 3.18 runs no script after cpack: its work is done here.
  SOURCE_DATE_EPOCH=$epoch cmake/normalize-deb.sh "${deb[0]}" --either-libgcc
  cp "${deb[0]}" "$out/"
  echo "qt5-debs: $out/$(basename "${deb[0]}")"
done
