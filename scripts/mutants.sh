#!/bin/sh
# Mutation score of the tests: scripts/mutants.sh [REV] [mutants.py options]
#   REV   the commit whose tests are scored (default HEAD); its code and tests
#         are unpacked into build-mutants/<rev>/src and built at -O0 in
#         build-mutants/<rev>/build
#   options  --seed N (default 20), --count N (default 160): the sample, the
#         same for every REV whose code is the same (see scripts/mutants.py)
# Each mutant is built and run against the tests scripts/mutants-tests.txt
# names for its file; a hang past a limit counts as killed, a mutant that does
# not compile counts apart. Results go to build-mutants/<rev>/results.jsonl
# (a run that is stopped resumes from there) and a table killed/total per file
# ends the run. Long: one job at the lowest priority, no build lock.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
rev=${1:-HEAD}
[ $# -gt 0 ] && shift
id=$(git -C "$root" rev-parse --short "$rev")
work="$root/build-mutants/$id"
if [ ! -d "$work/src" ]; then
    mkdir -p "$work/src"
    git -C "$root" archive "$id" | tar -x -C "$work/src"
fi
export CCACHE_BASEDIR="$root" CCACHE_DIR="${CCACHE_DIR:-/work/.ccache}"
launcher=
command -v ccache >/dev/null && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
linker=
command -v mold >/dev/null && linker=-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=mold
nice -n 19 cmake -S "$work/src" -B "$work/build" -G Ninja -Wno-dev $launcher $linker \
    -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O0 -g0" -DCIRROVANTA_BUILD_BENCHMARKS=OFF >/dev/null

# The same private sound server and session bus as the test command.
scratch=$(mktemp -d)
mkdir -m 700 "$scratch/runtime"
export HOME="$scratch" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen
stop_services() {
    pulseaudio -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap stop_services EXIT INT TERM
pulseaudio -D --exit-idle-time=-1 --system=false --disallow-exit -n \
    --load=module-null-sink --load=module-native-protocol-unix 2>/dev/null || true

dbus-run-session -- nice -n 19 python3 "$root/scripts/mutants.py" run \
    --source "$work/src" --build "$work/build" --results "$work/results.jsonl" \
    --table "$root/scripts/mutants-tests.txt" "$@"
