#!/bin/sh
# Builds the libFuzzer targets (fuzz/build.sh, clang 14) and runs each for a
# bounded time from its seed corpus and the inputs of earlier findings. New
# inputs go to a scratch directory; a crash, leak, hang or sanitizer report
# fails the run and its input is kept under build-fuzz/findings/ to become a
# file under tests/hostile/fuzz-findings/<target>/.
# FUZZ_SECONDS (default 60) sets the time per target.
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}

started=$(date +%s)
sh fuzz/build.sh build-fuzz >/dev/null
echo "fuzz: targets built in $(($(date +%s) - started)) s"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
status=0
for target in fuzz_wav fuzz_updateanswer fuzz_replay; do
    mkdir -p "$work/$target"
    # Earlier findings, where the target has any (git keeps no empty folder).
    findings="tests/hostile/fuzz-findings/$target"
    [ -d "$findings" ] || findings=""
    started=$(date +%s)
    # shellcheck disable=SC2086
    if build-fuzz/$target -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$work/$target-" \
        "$work/$target" "fuzz/corpus/$target" $findings \
        >"$work/$target.log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
        echo "fuzz: $target clean, $runs inputs in $(($(date +%s) - started)) s"
    else
        status=1
        tail -n 60 "$work/$target.log"
        mkdir -p build-fuzz/findings
        for found in "$work/$target"-*; do
            [ -e "$found" ] || continue
            cp "$found" build-fuzz/findings/
            echo "fuzz: $target finding kept as build-fuzz/findings/$(basename "$found")"
        done
    fi
done
exit $status
