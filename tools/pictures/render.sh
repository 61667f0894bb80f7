#!/bin/sh
# Renders every picture of assets/pictures from its SVG to the PNG beside it. The PNGs are
# committed, so a build never needs the renderer (Debian's librsvg2-bin).
set -eu
cd "$(dirname "$0")/../../assets/pictures"
for svg in *.svg; do
  rsvg-convert --format=png --output="${svg%.svg}.png" "$svg"
done
