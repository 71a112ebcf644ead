#!/bin/sh
# Draws every image of the bundle on one page with its name: docs/artwork.png.
# Needs librsvg2-bin (rsvg-convert) and imagemagick (convert, montage).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/artwork.png"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for path in "$root"/images/*.svg "$root"/images/*.png "$root"/images/*.jpg "$root"/images/*.gif; do
    [ -e "$path" ] || continue
    name=$(basename "$path")
    thumb="$work/$name.png"
    case "$name" in
        *.svg) rsvg-convert --keep-aspect-ratio -w 120 -h 120 "$path" -o "$thumb" ;;
        *.gif) convert "${path}[0]" -resize 120x120 "$thumb" ;;
        *)     convert "$path" -resize '120x120>' "$thumb" ;;
    esac
    # a label carries the file name and its size in pixels
    size=$(identify -format '%wx%h' "${path}[0]")
    convert "$thumb" -set label "$name\n$size" "$thumb"
done

montage "$work"/*.png -tile 9x -geometry 120x120+8+8 -background '#9db3c8' \
    -font DejaVu-Sans -pointsize 11 -fill '#10202f' -title 'Cirrovanta artwork' "$work/sheet.png"
# a palette image keeps the committed sheet small
convert "$work/sheet.png" -strip +dither -colors 255 "PNG8:$out"
echo "wrote $out"
