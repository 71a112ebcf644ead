#!/bin/sh
# Renders the application icon's PNG sizes from its SVG drawing. The PNGs are
# committed; run this again after changing the drawing. Needs rsvg-convert
# (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/icons/hicolor"
for size in 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "${size}x${size}/apps/cirrovanta.png" scalable/apps/cirrovanta.svg
done
