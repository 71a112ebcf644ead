#!/bin/sh
# The test suite under sanitizers, in build directories of their own:
#   asan  build-asan, AddressSanitizer + LeakSanitizer + UndefinedBehaviorSanitizer,
#         the whole ctest suite
#   tsan  build-tsan, ThreadSanitizer, the audio thread stress test only
# Usage: scripts/sanitizers.sh [asan|tsan|all]   (default all)
# Meant to run from scripts/test.sh, inside the services it starts (the
# PulseAudio null sink, the session bus). Prints the time of every stage.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
stages=${1:-all}
jobs=${SANITIZER_JOBS:-2}

stage_start=0
begin() { stage_start=$(date +%s); }
took() { echo "sanitizers: $1 took $(($(date +%s) - stage_start)) s"; }

run_asan() {
    begin
    cmake -S . -B build-asan -G Ninja -Wno-dev \
        -DCIRROVANTA_SANITIZE=address,undefined -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCIRROVANTA_BUILD_TESTS=ON -DCIRROVANTA_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build build-asan -j "$jobs"
    took "asan build"

    begin
    asan_ctest -j "$jobs" -E "$asan_excluded" || rerun_tracer_deaths
    took "asan test run"
}

# Leaks inside Qt's, fontconfig's and Mesa's own caches are suppressed by
# library in tests/lsan.supp; everything else is reported. UBSan reports stop
# the test that hits them.
asan_ctest() {
    ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=0" \
    LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
        ctest --test-dir build-asan --output-on-failure "$@"
}

# LeakSanitizer stops every thread of the process at exit to scan their
# stacks; now and then its tracer itself dies doing that ("LeakSanitizer has
# encountered a fatal error") with nothing reported about the program. Only
# when every failed test failed that way are those tests run once more; any
# other failure stands.
rerun_tracer_deaths() {
    temp=build-asan/Testing/Temporary
    failed=$(sed 's/^[0-9]*://' "$temp/LastTestsFailed.log")
    died=$(awk '/^[0-9]+\/[0-9]+ Testing: / { name = $3 }
                /LeakSanitizer has encountered a fatal error/ { print name }' "$temp/LastTest.log" | sort -u)
    [ -n "$failed" ] && [ "$(echo "$failed" | sort -u)" = "$died" ] || return 1
    echo "sanitizers: LeakSanitizer's tracer died in: $(echo $died); running them once more"
    asan_ctest --rerun-failed
}

run_tsan() {
    begin
    cmake -S . -B build-tsan -G Ninja -Wno-dev \
        -DCIRROVANTA_SANITIZE=thread -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCIRROVANTA_BUILD_TESTS=ON -DCIRROVANTA_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build build-tsan -j "$jobs" --target tst_audiostress
    took "tsan build"

    begin
    QT_NO_GLIB=1 TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/tsan.supp" \
        ctest --test-dir build-tsan --output-on-failure -R '^tst_audiostress$'
    took "tsan test run"
}

# Left out under the sanitizers: qmllint_documents runs no program code of
# ours, only qmllint and Python.
asan_excluded='^qmllint_documents$'

case $stages in
asan) run_asan ;;
tsan) run_tsan ;;
all) run_asan; run_tsan ;;
*) echo "usage: $0 [asan|tsan|all]" >&2; exit 2 ;;
esac
