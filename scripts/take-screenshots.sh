#!/bin/sh
# Plays the game under a virtual display the way a player would (keyboard
# only) and grabs the screens into docs/screenshots/. Needs xvfb, xdotool and
# ImageMagick. Run from the repository root after building build/cirrovanta.
set -eu
out=docs/screenshots
mkdir -p "$out"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

xvfb-run -a -s "-screen 0 1280x720x24" sh -c '
    set -eu
    out=$1
    XDG_CONFIG_HOME=$2 ./build/cirrovanta >/dev/null 2>&1 &
    game=$!
    . scripts/screenshot-window.sh
    sleep 3; grab title
    key Return; grab groups
    key Return; grab levels
    xdotool key Return
    # The first flights open with a one-line briefing on the keys.
    sleep 1.4; grab briefing
    # Hands off: the first flight flies straight onto its runway at full
    # throttle; the grab catches the touchdown with the seat-belt sign on.
    sleep 10.2; grab flight
    sleep 6; grab result
    key Escape; key Escape; key Escape
    key Down; key Return; sleep 1; grab settings
    kill $game 2>/dev/null || true
' sh "$out" "$config"
ls -l "$out"
