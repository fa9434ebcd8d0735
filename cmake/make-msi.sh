#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# Makes the per-machine MSI (cmake/vellacor.wxs) of a folder of files, the
# zip's, with wixl; the same bytes from the same files at every build: the
# codes follow from the version, the processor and the files, and the
# clock is held at SOURCE_DATE_EPOCH (where unset, the files' newest time).
# Signed where the releaser's certificate is set (authenticode-sign.sh).
#   cmake/make-msi.sh OUTPUT.msi FOLDER VERSION x64|x86 PUBLISHER ICON GUIDE_SHORTCUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 7 ] ||
  { echo "usage: make-msi.sh OUTPUT.msi FOLDER VERSION x64|x86 PUBLISHER ICON GUIDE_SHORTCUT" >&2; exit 2; }
out=$1 folder=$(cd "$2" && pwd) version=$3 platform=$4 publisher=$5 icon=$6 guide=$7
case $platform in
  x64) programs=ProgramFiles64Folder win64=yes template="x64;2052" ;;
  x86) programs=ProgramFilesFolder win64=no template="Intel;2052" ;;
  *) echo "make-msi: no processor $platform" >&2; exit 2 ;;
esac
epoch=${SOURCE_DATE_EPOCH:-$(find "$folder" -type f -printf '%T@\n' | sort -n | tail -n 1 | cut -d. -f1)}
# A product code for each version and processor, the shortcuts' component
# for each processor (each has its own Program Files), and a package code
# for each set of files: what Windows Installer asks of them, made again
# the same at every build.
code() { python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.NAMESPACE_URL, sys.argv[1])).upper())' "$1"; }
files_digest=$(cd "$folder" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum | sha256sum | cut -c1-64)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl takes the files by names relative to its sources': all in one
# folder. wixl-heat names their folder anew each time: a name of our own.
cp "$here/vellacor.wxs" "$work/"
cp "$icon" "$work/vellacor.ico"
cp -r "$folder" "$work/files"
# The cabinet keeps each file's time: the commit's.
find "$work/files" -exec touch -h -d "@$epoch" {} +
(cd "$work" && find files -type f | LC_ALL=C sort |
  wixl-heat --prefix files/ --component-group Files --directory-ref INSTALLDIR \
    --var var.Folder --win64 | sed -E 's/Directory Id="dir[0-9A-F]+"/Directory Id="FilesFolder"/' >files.wxs)
clock=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')  # held still
(cd "$work" && TZ=UTC faketime -f "$clock" wixl --arch "$platform" -o package.msi \
  -D "Version=$version" -D "ProductCode=$(code "vellacor-msi:product:$version:$platform")" \
  -D "ShortcutsCode=$(code "vellacor-msi:shortcuts:$platform")" -D "Win64=$win64" \
  -D "ProgramFiles=$programs" -D "Publisher=$publisher" -D Icon=vellacor.ico -D Folder=files \
  vellacor.wxs files.wxs)
# The Chinese texts go in once the package has its codepage (GBK, which
# every Chinese Windows from XP on reads): wixl sets none, and cannot
# write them without one.
printf '\r\n\r\n936\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$work/package.msi" -i "$work/_ForceCodepage.idt"
msibuild "$work/package.msi" -q "UPDATE \`Shortcut\` SET \`Name\` = 'GUIDE|$guide' WHERE \`Shortcut\` = 'GuideShortcut'" \
  -q "UPDATE \`LaunchCondition\` SET \`Description\` = '已安装了更新版本的 Vellacor，不能再安装这个旧版本。' WHERE \`Condition\` = 'NOT WIX_DOWNGRADE_DETECTED'"
# The summary last, with the commit's time.
TZ=UTC faketime -f "$clock" msibuild "$work/package.msi" -s "Vellacor $version" "$publisher" \
  "$template" "{$(code "vellacor-msi:package:$files_digest")}"
if [ -n "${VELLACOR_SIGN_CERT:-}" ]; then "$here/authenticode-sign.sh" "$work/package.msi"; fi
mv -f "$work/package.msi" "$out"
