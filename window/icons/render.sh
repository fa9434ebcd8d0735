#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Renders the icon's PNG sizes and the Windows .ico (16, 24, 32, 48 and 256
# px) from vellacor.svg; they are committed so that a build needs no SVG
# renderer. Needs ImageMagick with its SVG coder (scripts/install-deps.sh docs).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64; do
  convert -background none -density 384 vellacor.svg -resize "${size}x${size}" \
    -strip -depth 8 "vellacor-$size.png"
done
# The page served as an app: the manifest's 192 and 512 px on no
# background; for launchers that cut their own shape (maskable) the sieve
# within the middle 76 % on the window's grey to the edges; Apple's home
# screen, which rounds the corners itself, the same grey behind it.
for size in 192 512; do
  convert -background none -density 1536 vellacor.svg -resize "${size}x${size}" \
    -strip -depth 8 "vellacor-$size.png"
done
grey=$(sed -n 's/.*kWindowColour = "\(#[0-9a-f]*\)".*/\1/p' ../web/form_markup.h)
on_grey() { # SIZE DRAWN FILE
  convert -background "$grey" -density 1536 vellacor.svg -resize "$2x$2" -gravity center \
    -extent "$1x$1" -flatten -strip -depth 8 -define png:color-type=2 "$3"
}
on_grey 512 432 vellacor-maskable-512.png
on_grey 180 150 apple-touch-icon.png

# Windows takes its small sizes from the PNGs above, each drawn at its size.
large=$(mktemp --suffix=.png)
trap 'rm -f "$large"' EXIT
convert -background none -density 1536 vellacor.svg -resize 256x256 -strip -depth 8 "$large"
convert vellacor-16.png vellacor-24.png vellacor-32.png vellacor-48.png "$large" vellacor.ico

# The window's own sizes as raw RGBA pixels, compiled into the Qt program:
# a PNG costs start-up time to decode.
{
  echo '// Made by window/icons/render.sh from vellacor.svg; do not edit.'
  echo '#pragma once'
  echo
  echo '#include <array>'
  echo
  echo 'namespace window {'
  echo
  echo '// clang-format off'
  for size in 16 24 32; do
    echo "inline constexpr unsigned char kIcon${size}[] = {"
    convert "vellacor-$size.png" -depth 8 rgba:- | od -An -v -tx1 | sed 's/ \([0-9a-f][0-9a-f]\)/0x\1,/g; s/^/   /'
    echo '};'
  done
  echo '// clang-format on'
  echo
  echo '// An image of the icon: its size in pixels, and its pixels, RGBA by rows.'
  echo 'struct IconImage {'
  echo '  int size;'
  echo '  const unsigned char* rgba;'
  echo '};'
  echo
  echo 'inline constexpr std::array<IconImage, 3> kIconImages = {'
  echo '    {{16, kIcon16}, {24, kIcon24}, {32, kIcon32}}};'
  echo
  echo '}  // namespace window'
} >vellacor_icon.h
