#!/bin/sh
# Draws one level of each group into docs/screenshots/ under a virtual
# display: the aeroplane put on a point of the level's own route, one real
# engine step run there; then a touchdown and a closing message. Needs xvfb.
# Run from the repository root.
#   scripts/level-screenshots.sh            English
#   LANG=de_DE.UTF-8 scripts/level-screenshots.sh de   the pictures with text, in German (*-de.png)
set -eu
suffix=${1:+-$1}
out=docs/screenshots
mkdir -p "$out"
flock /tmp/cirrovanta-build.lock cmake --build build --target levelshots cirrovanta_lrelease >/dev/null
shot() {
    xvfb-run -a -s "-screen 0 1280x720x24" ./build/tests/levelshots \
        "$out/$1$suffix.png" "$2" "$3" "$4" >/dev/null 2>&1
}
#    picture                        level                        waypoint fraction
if [ -z "$suffix" ]; then
shot level-1-flightschool-clouds   1-FlightSchool/04_clouds     1        0.4
shot level-2-islandhopping-reef    2-IslandHopping/02_reef      2        0.5
shot level-3-mountainpass-pass     3-MountainPass/03_pass       1        0.6
shot level-4-stormfront-night      4-StormFront/04_night        3        0.3
fi
# The texts: the engine's landing warning, and a closing message with its rank.
shot level-landing                 2-IslandHopping/03_short_strip    4        0
shot final-3-mountainpass          3-MountainPass/finalMsg      3        0
ls -l "$out"
