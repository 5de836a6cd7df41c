#!/bin/sh
# Renders the PNG sizes of the icon from jiaming.svg (needs rsvg-convert from librsvg2-bin).
# The PNGs are committed, so the build needs no SVG renderer.
set -eu
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" jiaming.svg -o "icons/jiaming-$size.png"
done
