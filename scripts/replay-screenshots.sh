#!/bin/sh
# Plays the first flight under a virtual display (hands off, as the other
# screenshots do), watches its replay and flies it again against its ghost,
# then grabs docs/screenshots/replay.png and docs/screenshots/ghost.png.
# Needs xvfb, xdotool and ImageMagick. Run from the repository root after
# building build/cirrovanta.
set -eu
out=docs/screenshots
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

xvfb-run -a -s "-screen 0 1280x720x24" sh -c '
    set -eu
    out=$1
    XDG_CONFIG_HOME=$2/config XDG_DATA_HOME=$2/data ./build/cirrovanta >/dev/null 2>&1 &
    game=$!
    . scripts/screenshot-window.sh
    hold() { xdotool windowfocus --sync "$win" 2>/dev/null || true; xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }
    sleep 3
    # Title, groups, levels, the first flight: it lands on its own.
    key Return; key Return; key Return
    sleep 26
    # The result screen: "Watch replay" is the fourth button.
    key Right; key Right; key Return
    sleep 7.5; grab replay
    # Back to the result, on to the levels, and the same flight again, pulled
    # off the straight line a little so that the ghost shows beside it.
    key Escape; key Escape; key Return
    sleep 2.5; hold Left 0.8; sleep 4; grab ghost
    kill $game 2>/dev/null || true
' sh "$out" "$home"
ls -l "$out/replay.png" "$out/ghost.png"
