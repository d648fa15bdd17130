#!/bin/sh
# fuzz/run.sh [SECONDS] [TARGET...]: a campaign per target, one at a time:
# each runs SECONDS (600 by default) or a million inputs, whichever comes
# first, starting from its committed corpus. New inputs that add coverage are
# merged, minimised, into fuzz/corpus/TARGET; a finding is kept under
# fuzz/out/TARGET. Prints a table: target, executions, seconds, findings.
set -e
cd "$(dirname "$0")/.."
seconds="${1:-600}"
[ $# -gt 0 ] && shift
targets="$*"
[ -z "$targets" ] && targets="filter settings option_file language analysis tzif old_import batch_json cli_values chart tables command_line techniques"
build=build-fuzz
scripts/deps.sh
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARA_FUZZ=ON \
    -DQUINTARA_TESTS=OFF -DQUINTARA_BENCHMARKS=OFF >/dev/null
for t in $targets; do cmake --build "$build" -j"$(nproc)" --target "fuzz_$t" >/dev/null; done

printf '%-12s %12s %8s %9s\n' target executions seconds findings
for t in $targets; do
    work="fuzz/out/$t"
    rm -rf "$work" && mkdir -p "$work/new" "$work/found"
    start=$(date +%s)
    # A finding ends the campaign of its target: it must be fixed first.
    "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -runs=1000000 -print_final_stats=1 \
        -artifact_prefix="$work/found/" "$work/new" "fuzz/corpus/$t" >"$work/log" 2>&1 || true
    end=$(date +%s)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
    found=$(ls "$work/found" | wc -l)
    # Keep the corpus small: only inputs that add coverage.
    mkdir -p "$work/merged"
    "$build/fuzz/fuzz_$t" -merge=1 "$work/merged" "fuzz/corpus/$t" "$work/new" >/dev/null 2>&1 || true
    if [ "$(ls "$work/merged" | wc -l)" -gt 0 ]; then
        rm -rf "fuzz/corpus/$t" && mv "$work/merged" "fuzz/corpus/$t"
    fi
    printf '%-12s %12s %8s %9s\n' "$t" "${runs:-?}" "$((end - start))" "$found"
done
