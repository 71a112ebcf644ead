#!/bin/sh
# Remakes all of Cirrovanta's artwork under images/ from the drawings in
# scripts/artwork/draw.py. The results are committed; run this after changing
# a drawing, then scripts/make-contact-sheet.sh to refresh docs/artwork.png.
#
#   images/*.svg      the drawings the game shows (written by draw.py)
#   images/src/*.svg  sources of the raster images and the guide animation
#                     frames (written by draw.py, rasterised below)
#
# Needs python3, librsvg2-bin (rsvg-convert) and imagemagick (convert).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
images="$root/images"
src="$images/src"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$root/scripts/artwork/draw.py" "$root"

png() {  # png <name> <width> <height>
    rsvg-convert -w "$2" -h "$3" "$src/$1.svg" -o "$work/$1.png"
    convert "$work/$1.png" -strip "PNG32:$images/$1.png"
}

jpeg() {  # jpeg <name> <width> <height>
    rsvg-convert -w "$2" -h "$3" -b white "$src/$1.svg" -o "$work/$1.png"
    convert "$work/$1.png" -strip -sampling-factor 4:2:0 -quality 88 "$images/$1.jpg"
}

gif() {  # gif <name>: every <name>_NN.svg frame, 0.14 s each, looping
    for frame in "$src/$1"_[0-9][0-9].svg; do
        rsvg-convert -w 640 -h 360 -b white "$frame" -o "$work/$(basename "$frame" .svg).png"
    done
    convert -delay 14 -loop 0 "$work/$1"_[0-9][0-9].png +dither -colors 96 -layers Optimize \
        "$images/$1.gif"
}

png cloud 224 164
png fog 213 134
png spark1 47 50
png spark2 51 50
jpeg menubg 854 480
jpeg cirrovanta_99 600 300
gif guide_horizontal
gif guide_vertical

for made in "$images"/*.png "$images"/*.jpg "$images"/*.gif; do
    printf '%8d  %s\n' "$(wc -c < "$made")" "$(basename "$made")"
done
