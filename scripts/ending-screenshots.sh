#!/bin/sh
# Flies two flights of the real game under a virtual display, hands off, with
# a private PulseAudio null sink, and grabs their result screens into
# docs/screenshots/: the first flight lands (result-stars.png), the valley of
# the Mountain Pass, with a touch of Up, ends in its rocks (result-crash.png). The sound of the
# whole session is recorded to $1 (default: none) with the times of each
# stage in $1.times, for measuring levels with sox. Needs xvfb, xdotool,
# ImageMagick and pulseaudio. Run from the repository root after building
# build/cirrovanta.
set -eu
out=${SHOTS:-docs/screenshots}
record=${1:-}
mkdir -p "$out"
scratch=$(mktemp -d)
mkdir -m 700 "$scratch/runtime" "$scratch/config"
export HOME="$scratch" XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config"
stop() { pulseaudio -k 2>/dev/null || true; rm -rf "$scratch"; }
trap stop EXIT INT TERM
# The first two groups finished, so that the Mountain Pass is open.
mkdir -p "$scratch/config/Velmoran"
printf '[General]\n1-FlightSchool_passed=true\n2-IslandHopping_passed=true\n' \
    > "$scratch/config/Velmoran/QtCirrovanta.conf"
pulseaudio -D --exit-idle-time=-1 --system=false --disallow-exit -n \
    --load="module-null-sink sink_name=cv" --load=module-native-protocol-unix 2>/dev/null
for _ in 1 2 3 4 5 6 7 8 9 10; do pactl info >/dev/null 2>&1 && break; sleep 0.5; done

xvfb-run -a -s "-screen 0 1280x720x24" sh -c '
    set -eu
    out=$1 record=$2
    ./build/cirrovanta >/dev/null 2>&1 &
    game=$!
    if [ -n "$record" ]; then
        parecord -d cv.monitor --file-format=wav "$record" &
        rec=$!
    fi
    start=$(date +%s.%N)
    if [ -n "$record" ]; then : > "$record.times"; fi
    mark() { if [ -n "$record" ]; then echo "$1 $(echo "$(date +%s.%N) - $start" | bc)" >> "$record.times"; fi; }
    . scripts/screenshot-window.sh
    xdotool getwindowname "$win" > "$out/.window-title"
    sleep 3
    key Return; key Return; key Return
    mark flight
    sleep 8; mark pause; key Escape; sleep 3; mark resume; key Escape
    sleep 19; mark result; grab result-stars
    key Escape; key Escape
    key Right; key Right; key Return; key Return
    mark valley
    # Up for a moment turns the aeroplane into the northern slopes.
    sleep 2; xdotool keydown Up; sleep 0.6; xdotool keyup Up
    sleep 10; mark crash-result; grab result-crash
    kill $game 2>/dev/null || true
    if [ -n "$record" ]; then kill $rec 2>/dev/null || true; fi
' sh "$out" "$record"
cat "$out/.window-title" && rm -f "$out/.window-title"
ls -l "$out"/result-*.png
