#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite
# with a private sound server (a PulseAudio null sink) and a private session
# bus; both are stopped again at the end. Tests draw offscreen.
#   test.sh                  everything: ctest, sanitizers, fuzzers, package
#   test.sh --quick [ARGS]   the everyday loop: build and ctest only; ARGS go
#                            to ctest (for example -R tst_mixing)
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
quick=false
if [ "${1:-}" = --quick ]; then
    quick=true
    shift
fi
sh scripts/install-deps.sh test

cmake -S . -B build -G Ninja -Wno-dev >/dev/null
cmake --build build

scratch=$(mktemp -d)
mkdir -m 700 "$scratch/runtime"
export HOME="$scratch" XDG_RUNTIME_DIR="$scratch/runtime"
export QT_QPA_PLATFORM=offscreen

stop_services() {
    pulseaudio -k 2>/dev/null || true
    # The server still writes into its runtime directory while it goes.
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        pactl info >/dev/null 2>&1 || break
        sleep 0.2
    done
    sleep 0.2
    rm -rf "$scratch" 2>/dev/null || true
}
trap stop_services EXIT INT TERM

pulseaudio -D --exit-idle-time=-1 --system=false --disallow-exit -n \
    --load=module-null-sink --load=module-native-protocol-unix 2>/dev/null || true
# Only the tests that record or soak sound talk to this server (they find it
# under this XDG_RUNTIME_DIR); every other test gets a private runtime
# directory and so plays into no device.
for _ in 1 2 3 4 5 6 7 8 9 10; do
    pactl info >/dev/null 2>&1 && break
    sleep 0.5
done

dbus-run-session -- ctest --test-dir "$root/build" --output-on-failure -j2 "$@"
$quick && exit 0

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the audio stress test under ThreadSanitizer, then each fuzzer for a minute.
dbus-run-session -- sh scripts/sanitizers.sh asan
dbus-run-session -- sh scripts/sanitizers.sh tsan
sh scripts/fuzz.sh

# The Debian package installs, starts and uninstalls cleanly.
sh packaging/check-deb.sh build
