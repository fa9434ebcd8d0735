#!/usr/bin/env bash
# Renders the icon's PNG sizes from vellacor.svg (needs ImageMagick); the
# PNGs are committed so that a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64; do
  convert -background none -density 384 vellacor.svg -resize "${size}x${size}" \
    -strip -depth 8 "vellacor-$size.png"
done
