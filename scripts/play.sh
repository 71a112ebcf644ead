#!/bin/sh
# Installs what is missing, builds the game and starts it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh play
cmake -S . -B build -G Ninja -Wno-dev >/dev/null
cmake --build build --target cirrovanta
# Not installed, the game finds its QML, sounds and translation relative to
# the working directory; the build directory links them in.
cd build
exec ./cirrovanta "$@"
