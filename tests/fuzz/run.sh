#!/usr/bin/env bash
# Fuzzes every reader with libFuzzer: builds the targets of tests/fuzz in a clang build tree
# (build-fuzz beside the sources, or $GRILPAD_FUZZ_BUILD) and runs them side by side, each for
# the given number of seconds (default 20) on a fresh copy of its seed corpus.
#
#   tests/fuzz/run.sh [seconds]
#
# Each target's inputs may grow a quarter beyond its largest seed (-max_len).
#
# Prints the executions per second and the runs of every target, and fails when one fails; the
# input that broke it is kept in <build>/fuzz-findings/ and replays with
#   <build>/fuzz/<name>_fuzz <file>        (or build/fuzz/<name>_fuzz_replay <file>)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-20}
build=${GRILPAD_FUZZ_BUILD:-$root/build-fuzz}
compiler=${GRILPAD_FUZZ_CXX:-clang++}

if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [seconds]" >&2
    exit 2
fi
if ! command -v "$compiler" >/dev/null; then
    echo "fuzzing needs clang ($compiler not found)" >&2
    exit 1
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$compiler" -DGRILPAD_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzzers

work=$build/fuzz-runs
findings=$build/fuzz-findings
rm -rf "$work" "$findings"
mkdir -p "$work" "$findings"

targets=()
for program in "$build"/fuzz/*_fuzz; do
    name=$(basename "$program" _fuzz)
    targets+=("$name")
    mkdir -p "$work/$name/corpus"
    cp "$root/tests/fuzz/corpus/$name"/* "$work/$name/corpus/"
done
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets were built" >&2
    exit 1
fi

# Inputs may grow to the largest seed of their target and a quarter more (at least libFuzzer's
# own 4096 bytes), so that the 40 x 40 documents are fuzzed whole.
maxLength() {
    local largest
    largest=$(find "$root/tests/fuzz/corpus/$1" -type f -printf '%s\n' | sort -n | tail -1)
    largest=$((largest + largest / 4))
    echo $((largest > 4096 ? largest : 4096))
}

# One process per target, at most one per core at a time.
slots=$(nproc)
for name in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$slots" ]; do wait -n || true; done
    (
        status=0
        "$build/fuzz/${name}_fuzz" -max_total_time="$seconds" -max_len="$(maxLength "$name")" -timeout=10 \
            -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$findings/$name-" "$work/$name/corpus" \
            >"$work/$name/log" 2>&1 || status=$?
        echo "$status" >"$work/$name/status"
    ) &
done
wait

failed=0
passed=0
printf '%-18s %10s %12s  %s\n' target 'execs/s' runs result
for name in "${targets[@]}"; do
    log=$work/$name/log
    status=$(cat "$work/$name/status" 2>/dev/null || echo 1)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    if [ "$status" -eq 0 ]; then
        result=ok
        passed=$((passed + 1))
    else
        result="FAILED (exit $status)"
        failed=$((failed + 1))
    fi
    printf '%-18s %10s %12s  %s\n' "$name" "${speed:-?}" "${runs:-?}" "$result"
done
for name in "${targets[@]}"; do
    if [ "$(cat "$work/$name/status" 2>/dev/null || echo 1)" -ne 0 ]; then
        echo
        echo "=== $name: end of its log ($work/$name/log)"
        tail -n 40 "$work/$name/log"
    fi
done
[ "$failed" -eq 0 ] || printf '\nInputs that broke a target: %s\n' "$findings"
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
