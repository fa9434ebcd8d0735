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
# (tests/packaging/qt5_depends.sh checks them). Beside the packages it
# writes vellacor-qt5_VERSION.buildinfo: the chroot's release and every
# package in it, by version, which is what another machine needs to make
# the same bytes.
#
# It runs as whoever calls it: debootstrap, apt and chroot alone go through
# sudo, and the build inside the chroot runs as the caller, so the build
# folder and the packages are the caller's. The chroot is made once with
# debootstrap and kept (VELLACOR_CHROOT, /var/cache/vellacor/bullseye by
# default), and made afresh when the package list below changes, so that
# it holds what the list brings in and nothing else. The script marks each
# chroot it makes, and neither uses nor removes a folder without its mark.
#   scripts/qt5-debs.sh OUTPUT_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 1 ] || { echo "usage: scripts/qt5-debs.sh OUTPUT_FOLDER" >&2; exit 2; }
out=$(realpath -m "$1")
root=$(realpath -m "${VELLACOR_CHROOT:-/var/cache/vellacor/bullseye}")
mirror=${VELLACOR_DEBIAN_MIRROR:-http://deb.debian.org/debian}
# What debootstrap downloads is checked against Debian's own keys, which
# the package debian-archive-keyring brings (Debian 12's holds Debian 11's).
keyring=${VELLACOR_DEBIAN_KEYRING:-/usr/share/keyrings/debian-archive-keyring.gpg}
# Debian 11's packages for the build, as scripts/debian-packages.txt lists them.
packages=$(awk '$1 == "bullseye" { printf "%s%s", sep, $2; sep = " " }' scripts/debian-packages.txt)
# The mark: made before debootstrap starts, so that a chroot cut short is
# still known as ours; it holds the package list once the chroot is whole.
mark=$root/.vellacor-chroot
# The mark of this script's earlier versions, which held the list alone.
old_mark=$root/.vellacor-packages

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -- "$@"; fi; }
in_root() { as_root chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 "$@"; }

plain_file() { [ -f "$1" ] && [ ! -L "$1" ]; }

# ours, absent or empty (both free to make one in), or foreign.
chroot_state() {
  if [ "$root" = / ]; then
    echo foreign
  elif plain_file "$mark" || plain_file "$old_mark"; then
    echo ours
  elif [ ! -e "$root" ] && [ ! -L "$root" ]; then
    echo absent
  elif [ -d "$root" ] && [ ! -L "$root" ] && [ -z "$(ls -A "$root")" ]; then
    echo empty
  else
    echo foreign
  fi
}

refuse() {
  echo "qt5-debs: $root is not a chroot this script made (it has no $(basename "$mark")):" \
    "it is neither used nor removed. Set VELLACOR_CHROOT to a new or empty folder," \
    "or remove this one yourself if it is no longer wanted." >&2
  exit 1
}

# Removes the chroot, which must carry the mark, and stays on its file
# system: a folder mounted inside it is refused rather than emptied.
remove_chroot() {
  [ "$(chroot_state)" = ours ] || refuse
  if findmnt -rno TARGET | awk -v inside="$root/" 'index($0, inside) == 1 { found = 1 } END { exit !found }'; then
    echo "qt5-debs: something is mounted inside $root; unmount it first" >&2
    exit 1
  fi
  as_root rm -rf --one-file-system -- "$root"
}

make_chroot() {
  [ -r "$keyring" ] || { echo "qt5-debs: no Debian archive keyring at $keyring, to check what" \
    "debootstrap downloads: install debian-archive-keyring, or name the keyring in" \
    "VELLACOR_DEBIAN_KEYRING" >&2; exit 1; }
  echo "qt5-debs: making a Debian 11 chroot in $root"
  as_root mkdir -p "$root"
  echo "incomplete" | as_root tee "$mark" >/dev/null
  as_root debootstrap --keyring="$keyring" --variant=minbase bullseye "$root" "$mirror" >/dev/null
  in_root dpkg --add-architecture arm64
  in_root apt-get update -qq
  # shellcheck disable=SC2086  # one package a word
  in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    $packages >/dev/null
  in_root apt-get clean
  echo "$packages" | as_root tee "$mark" >/dev/null
}

# Before anything is installed or asked of sudo: a folder that is not ours
# is left as it is.
case $(chroot_state) in
  foreign) refuse ;;
  ours)
    if [ "$(cat "$mark" 2>/dev/null)" != "$packages" ]; then
      remove_chroot
      scripts/install-deps.sh chroot
      make_chroot
    fi
    ;;
  *) scripts/install-deps.sh chroot; make_chroot ;;
esac

# The build folder inside, the caller's; the last commit at one path in it,
# so that every build is the same.
as_root rm -rf --one-file-system -- "$root/build"
as_root install -d -o "$(id -u)" -g "$(id -g)" "$root/build"
mkdir -p "$root/build/src" "$out"
git archive HEAD | tar -x -C "$root/build/src"
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
# What the build depends on from its environment, given to it whole.
build_env=(PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/build LC_ALL=C.UTF-8 TZ=UTC
  SOURCE_DATE_EPOCH="$epoch")
debs=()
for arch in amd64 arm64; do
  toolchain=""
  [ "$arch" = arm64 ] && toolchain=-DCMAKE_TOOLCHAIN_FILE=/build/src/cmake/aarch64-linux-gnu.cmake
  as_root chroot --userspec="$(id -u):$(id -g)" "$root" env -i "${build_env[@]}" sh -c \
    "umask 022 && cd /build && cmake -S src -B $arch $toolchain -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVELLACOR_TESTS=OFF -DVELLACOR_BENCH=OFF >/dev/null && cmake --build $arch -j $(nproc) \
      >/dev/null && cd $arch && cpack >/dev/null"
  deb=("$root/build/$arch"/vellacor-qt5_*_"$arch".deb)
  # CMake 3.18 runs no script after cpack: its work is done here.
  SOURCE_DATE_EPOCH=$epoch cmake/normalize-deb.sh "${deb[0]}" --either-libgcc
  cp "${deb[0]}" "$out/"
  debs+=("$out/$(basename "${deb[0]}")")
  echo "qt5-debs: ${debs[-1]}"
done

# The record of the build, in the manner of a Debian .buildinfo: what was
# built, from which chroot, with which packages at which versions.
version=$(dpkg-deb -f "${debs[0]}" Version)
buildinfo=$out/vellacor-qt5_$version.buildinfo
{
  echo "Format: 1.0"
  echo "Source: vellacor"
  echo "Binary: vellacor-qt5"
  echo "Architecture: amd64 arm64"
  echo "Version: $version"
  echo "Checksums-Sha256:"
  for deb in "${debs[@]}"; do
    echo " $(sha256sum "$deb" | cut -d' ' -f1) $(stat -c %s "$deb") $(basename "$deb")"
  done
  echo "Build-Origin: Debian"
  echo "Build-Architecture: amd64"
  echo "Build-Release: Debian $(cat "$root/etc/debian_version") (bullseye)"
  echo "Build-Chroot: debootstrap --variant=minbase bullseye; dpkg --add-architecture arm64;"
  echo " apt-get install --no-install-recommends $packages"
  echo "Build-Path: /build/src"
  echo "Environment:"
  echo " LC_ALL=\"C.UTF-8\""
  echo " SOURCE_DATE_EPOCH=\"$epoch\""
  echo " TZ=\"UTC\""
  echo "Installed-Build-Depends:"
  dpkg-query --admindir="$root/var/lib/dpkg" -W -f '${db:Status-Abbrev} ${Package} ${Architecture} ${Version}\n' |
    awk '$1 == "ii" { name = ($3 == "amd64" || $3 == "all") ? $2 : $2 ":" $3; print " " name " (= " $4 ")" }' |
    LC_ALL=C sort | sed '$!s/$/,/'
} >"$buildinfo"
echo "qt5-debs: $buildinfo"
