#!/bin/sh
# Runs every fuzz target of a fuzz build for a set time on its seeds, keeping what each target
# learns in BUILD/corpus/TARGET and any crashing input in BUILD/findings/. Prints the executions
# each target reached; fails when any target found a crash.
# Usage: scripts/run-fuzzers.sh BUILD_DIR SECONDS_PER_TARGET
set -u
build=$1
seconds=$2
failed=""
mkdir -p "$build/findings"
summary="$build/fuzz-summary.txt"
: > "$summary"
run() {
    target=$1 seeds=$2
    shift 2
    mkdir -p "$build/corpus/$target"
    log="$build/$target.log"
    echo "== $target: $seconds s"
    "$build/fuzz/$target" "$build/corpus/$target" "$build/seeds/$seeds" \
        -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 -timeout=10 \
        -artifact_prefix="$build/findings/$target-" "$@" > "$log" 2>&1
    status=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    line=$(printf '%-24s %12s executions in %s s' "$target" "${execs:-?}" "$seconds")
    if [ $status -ne 0 ]; then
        line="$line: FAILED (exit $status, see $log)"
        failed="$failed $target"
        tail -40 "$log"
    fi
    echo "$line" | tee -a "$summary"
}
run dbc_load_fuzzer dbc -max_len=8192
run dbc_line_fuzzer dbc -max_len=8192
run capture_convert_fuzzer capture -max_len=65536
run record_walk_fuzzer capture -max_len=4096
run ini_fuzzer ini -max_len=4096
run format_detection_fuzzer detect -max_len=16384
run asc_reader_fuzzer asc -max_len=16384
run blf_reader_fuzzer blf -max_len=32768
run candump_reader_fuzzer candump -max_len=4096
run trc_reader_fuzzer trc -max_len=8192
echo "Fuzzing summary:"
cat "$summary"
if [ -n "$failed" ]; then
    echo "Fuzz targets with findings:$failed (inputs in $build/findings)" >&2
    exit 1
fi
