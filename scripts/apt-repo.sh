#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# Makes a folder of .debs a flat apt repository, as Debian's own tools make
# one (apt-ftparchive): Packages, Release dated with the commit's time and,
# with the releaser's OpenPGP key (VELLACOR_GPG_KEY, in the caller's GnuPG
# home), InRelease, Release.gpg and the public key as vellacor.gpg for a
# desk's signed-by. Unsigned, it is still made, and said to be of no use
# to a desk until it is signed: apt refuses an unsigned source.
#   scripts/apt-repo.sh FOLDER
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: scripts/apt-repo.sh FOLDER" >&2; exit 2; }
cd "$1"
epoch=${SOURCE_DATE_EPOCH:?the repository is dated with the commit time}
rm -f Packages Packages.gz Release InRelease Release.gpg vellacor.gpg
# Written beside the folder, which Release would otherwise list.
release=$(mktemp)
apt-ftparchive packages . >Packages
gzip -9nk Packages
TZ=UTC faketime -f "$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" apt-ftparchive \
  -o APT::FTPArchive::Release::Origin=Vellacor -o APT::FTPArchive::Release::Label=Vellacor \
  -o APT::FTPArchive::Release::Suite=stable -o APT::FTPArchive::Release::Codename=vellacor \
  -o APT::FTPArchive::Release::Architectures="amd64 arm64" \
  -o APT::FTPArchive::Release::Description="Vellacor, sieve analysis of sand" release . >"$release"
mv -f "$release" Release
chmod 644 Release
if [ -z "${VELLACOR_GPG_KEY:-}" ]; then
  echo "apt-repo: $1 is unsigned (no VELLACOR_GPG_KEY): desks refuse it until it is signed" >&2
  exit 0
fi
sign=(gpg --batch --yes --quiet --local-user "$VELLACOR_GPG_KEY" --faked-system-time "$epoch!"
  --ignore-time-conflict --digest-algo SHA256)
"${sign[@]}" --clearsign --output InRelease Release
"${sign[@]}" --armor --detach-sign --output Release.gpg Release
gpg --batch --export "$VELLACOR_GPG_KEY" >vellacor.gpg
