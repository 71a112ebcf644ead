#!/bin/sh
# Installs what is missing, builds the benchmarks in build-bench (Release) and
# runs them all under a private X server (Xvfb) with a PulseAudio null sink and
# a private session bus, then prints one table: every figure beside its
# reference measured in the same run. Extra arguments go to bench_whole
# (--runs N, --seconds S, --pacing-runs M, --flight-runs F, --flight-level L,
# --no-startup, --opengl-only, --no-hot-paths).
# Not part of the test command; docs/performance.md holds the latest table.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
sh scripts/install-deps.sh test

# The mixer benchmark compares against OpenAL Soft; Xvfb draws GL through Mesa.
missing=""
for package in libopenal-dev libgl1-mesa-dri; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing="$missing $package"
done
if [ -n "$missing" ]; then
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root="sudo"
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
fi

build="$root/build-bench"
# The machine-wide build lock every build on this machine takes.
lock=${CIRROVANTA_BUILD_LOCK:-/work/.buildlock}
[ -d "$(dirname "$lock")" ] && [ -w "$(dirname "$lock")" ] || lock=/tmp/cirrovanta-build.lock
flock "$lock" cmake -S . -B "$build" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
    -DCIRROVANTA_BUILD_BENCHMARKS=ON -DCIRROVANTA_BUILD_TESTS=OFF >/dev/null
flock "$lock" cmake --build "$build" --target \
    bench_whole bench_game bench_bare bench_flight bench_gamestep bench_audio bench_replays

scratch=$(mktemp -d)
mkdir -m 700 "$scratch/runtime"
export HOME="$scratch" XDG_RUNTIME_DIR="$scratch/runtime"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

xvfb_pid=""
stop_services() {
    pulseaudio -k 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap stop_services EXIT INT TERM

# Xvfb picks a free display and writes its number to the fd it is given.
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 50); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
DISPLAY=":$(cat "$scratch/display")"
export DISPLAY

pulseaudio -D --exit-idle-time=-1 --system=false --disallow-exit -n \
    --load=module-null-sink --load=module-native-protocol-unix 2>/dev/null || true
for _ in 1 2 3 4 5 6 7 8 9 10; do
    pactl info >/dev/null 2>&1 && break
    sleep 0.5
done

version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo "?"; }
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')" \
    "at $(grep -m1 'cpu MHz' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //') MHz," \
    "$(free -m | awk '/^Mem:/ {printf "%.1f GiB", $2 / 1024}') memory, Linux $(uname -r);" \
    "Qt $(version libqt6core6), Mesa $(version libgl1-mesa-dri); Xvfb 1280x720x24 on $DISPLAY"
echo
# The session bus daemon complains about its file limit on stderr; only the
# benchmark's own stderr (moved to fd 3) is kept.
dbus-run-session -- sh -c 'exec "$@" 2>&3' sh \
    "$build/benchmarks/bench_whole" --raw "$build/benchmarks/last-run.txt" "$@" 3>&2 2>/dev/null
echo
echo "Recording a flight (bench_replays: the recorder's work per frame against the whole frame):"
(cd "$build" && dbus-run-session -- ./benchmarks/bench_replays 12 2>/dev/null)
echo
echo "Raw output of every run: $build/benchmarks/last-run.txt"
