#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# make dist: builds, from the last commit, every file to hand out into
# dist/: the .deb for amd64 and for arm64, the same with Qt 5 for the older
# desks (built in a Debian 11 chroot, scripts/qt5-debs.sh) with the record
# of what built them (vellacor-qt5_VERSION.buildinfo), the 64-bit and
# the 32-bit Windows zip, per-user installer and per-machine MSI, the page for a browser as one
# file and as a folder for a web server (zipped), and SHA256SUMS. Every time stamp is the last commit's (SOURCE_DATE_EPOCH) and
# no build path enters the files, so another clone of the same commit,
# anywhere and at any time, makes the same bytes
# (scripts/check-reproducible.sh proves it).
#
# Signed with the releaser's own keys where they are set, unsigned (and
# reproducible) where none is: VELLACOR_SIGN_CERT and VELLACOR_SIGN_KEY
# (with VELLACOR_SIGN_PASS_FILE, VELLACOR_SIGN_TIMESTAMP) sign every
# Windows program, installer and MSI with Authenticode
# (cmake/authenticode-sign.sh); VELLACOR_GPG_KEY, a key's fingerprint in
# the caller's GnuPG home, signs SHA256SUMS as SHA256SUMS.asc, with the
# commit's time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh core window windows arm64 emscripten dist
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "dist: the work tree differs from the last commit; the files will not match its build" >&2
fi
if [ -n "${VELLACOR_SIGN_CERT:-}" ] || [ -n "${VELLACOR_SIGN_KEY:-}" ]; then
  for file in "${VELLACOR_SIGN_CERT:-}" "${VELLACOR_SIGN_KEY:-}" ${VELLACOR_SIGN_PASS_FILE:+"$VELLACOR_SIGN_PASS_FILE"}; do
    [ -r "$file" ] || { echo "dist: to sign, VELLACOR_SIGN_CERT and VELLACOR_SIGN_KEY must name readable files ('$file' is not)" >&2; exit 1; }
  done
  export VELLACOR_SIGN_CERT VELLACOR_SIGN_KEY
  echo "dist: signing the Windows files with $(openssl x509 -in "$VELLACOR_SIGN_CERT" -noout -subject)"
fi
if [ -n "${VELLACOR_GPG_KEY:-}" ]; then
  gpg --batch --list-secret-keys "$VELLACOR_GPG_KEY" >/dev/null 2>&1 ||
    { echo "dist: VELLACOR_GPG_KEY: no secret key $VELLACOR_GPG_KEY in the GnuPG home" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export TZ=UTC LC_ALL=C.UTF-8
umask 022
work=build-dist
rm -rf "$work" dist
mkdir -p dist

# build NAME [CMAKE_ARGS...]: a release build alone, packed by cpack
# where it packs (the page is a file as it is).
build() {
  local name=$1
  shift
  cmake -S . -B "$work/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLACOR_TESTS=OFF \
    -DVELLACOR_BENCH=OFF "$@" >/dev/null
  cmake --build "$work/$name" -j "$(nproc)" >/dev/null
  if [ -f "$work/$name/CPackConfig.cmake" ]; then (cd "$work/$name" && cpack >/dev/null); fi
}
build linux
build arm64 --toolchain cmake/aarch64-linux-gnu.cmake
build win64 --toolchain cmake/mingw-w64-x86_64.cmake
build win32 --toolchain cmake/mingw-w64-i686.cmake
build web --toolchain cmake/emscripten.cmake -DCMAKE_BUILD_TYPE=MinSizeRel
scripts/qt5-debs.sh "$work/qt5" >/dev/null

cp "$work"/linux/vellacor_*_amd64.deb "$work"/arm64/vellacor_*_arm64.deb "$work"/qt5/*.deb \
  "$work"/qt5/*.buildinfo dist/
for bits in 64 32; do
  cp "$work"/win$bits/vellacor-*-win$bits.zip "$work"/win$bits/vellacor-*-win$bits-setup.exe \
    "$work"/win$bits/vellacor-*-win$bits.msi dist/
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$work/web/CMakeCache.txt")
cp "$work/web/vellacor.html" "dist/vellacor-$version.html"
# The folder for a web server: the page's, and beside it apt/, the four
# .debs as an apt repository for the lab's Linux desks (scripts/apt-repo.sh).
site=$work/site
cp -r "$work/web/site" "$site"
mkdir "$site/apt"
cp dist/*.deb "$site/apt/"
scripts/apt-repo.sh "$site/apt"
# The folder as vellacor/: its files in the order of their paths, each
# with the commit's time and read by all.
python3 - "$site" "dist/vellacor-$version-site.zip" <<'EOF'
import os, sys, time, zipfile
folder, output = sys.argv[1:]
stamp = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]
names = sorted(os.path.relpath(os.path.join(top, file), folder)
               for top, _, files in os.walk(folder) for file in files)
with zipfile.ZipFile(output, "w") as archive:
    for name in names:
        entry = zipfile.ZipInfo("vellacor/" + name, date_time=stamp)
        entry.external_attr = 0o100644 << 16
        entry.create_system = 3
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(os.path.join(folder, name), "rb") as file:
            archive.writestr(entry, file.read(), compresslevel=9)
EOF
(cd dist && sha256sum -- * >SHA256SUMS)
if [ -n "${VELLACOR_GPG_KEY:-}" ]; then
  gpg --batch --yes --quiet --local-user "$VELLACOR_GPG_KEY" --faked-system-time "$SOURCE_DATE_EPOCH!" \
    --ignore-time-conflict --armor --detach-sign --output dist/SHA256SUMS.asc dist/SHA256SUMS
fi
cat dist/SHA256SUMS
