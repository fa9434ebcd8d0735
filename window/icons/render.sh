#!/usr/bin/env bash
# Renders the icon's PNG sizes and the Windows .ico (16, 24, 32, 48 and 256
# px) from vellacor.svg; they are committed so that a build needs no SVG
# renderer. Needs ImageMagick with its SVG coder (scripts/install-deps.sh docs).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64; do
  convert -background none -density 384 vellacor.svg -resize "${size}x${size}" \
    -strip -depth 8 "vellacor-$size.png"
done
# Windows takes its small sizes from the PNGs above, each drawn at its size.
large=$(mktemp --suffix=.png)
trap 'rm -f "$large"' EXIT
convert -background none -density 1536 vellacor.svg -resize 256x256 -strip -depth 8 "$large"
convert vellacor-16.png vellacor-24.png vellacor-32.png vellacor-48.png "$large" vellacor.ico
