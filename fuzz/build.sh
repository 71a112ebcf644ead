#!/bin/sh
# Builds the libFuzzer targets with clang 14 into build-fuzz/ (or $1):
# fuzz_wav (both WAV loaders, play instances, mixer), fuzz_updateanswer
# (the update server's answer) and fuzz_replay (the replay file reader).
# Needs clang-14 and libclang-rt-14-dev.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=${1:-$root/build-fuzz}
mkdir -p "$out"

cxx=${CXX_FUZZ:-clang++-14}
qt=$(pkg-config --cflags --libs Qt6Core)
flags="-std=c++17 -g -O1 -fPIC -fno-omit-frame-pointer -Wall -Wextra
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I$root/src"

build() {
    target=$1
    shift
    # shellcheck disable=SC2086
    $cxx $flags -o "$out/$target" "$here/$target.cpp" "$@" $qt
}

build fuzz_wav \
    "$root/src/audio/caudiobuffer.cpp" \
    "$root/src/audio/caudiobufferplayinstance.cpp" \
    "$root/src/audio/caudiomixer.cpp" &
wav=$!
build fuzz_updateanswer "$root/src/engine/updateanswer.cpp"
build fuzz_replay "$root/src/persistence/replayfile.cpp"
wait $wav
echo "fuzz targets in $out"
