#!/bin/bash
# tools/fuzz.sh [fuzzer|all] [seconds]: runs one fuzzer (or each in turn) for
# longer than the test run does, on a corpus kept in fuzz-corpus/<fuzzer>
# (seeded on first use), and prints each one's number of executions. A target
# brings its own largest input and dictionary.
set -euo pipefail
. "$(dirname "$0")/env.sh"

name=${1:-all}
seconds=${2:-600}
configure_fuzz
if [ "$name" = all ]; then
    cmake --build "$BUILD/fuzz" -j"$JOBS"
    names=$(cd "$BUILD/fuzz/bin" && ls fuzz_* | grep -v '^fuzz_seeds$')
else
    cmake --build "$BUILD/fuzz" -j"$JOBS" --target "$name" fuzz_seeds
    names=$name
fi
mkdir -p "$ROOT/fuzz-corpus/artifacts"
cd "$ROOT/fuzz-corpus"
summary=""
for fuzzer in $names; do
    corpus="$ROOT/fuzz-corpus/$fuzzer"
    [ -d "$corpus" ] || "$BUILD/fuzz/bin/fuzz_seeds" "$ROOT/fuzz-corpus" >/dev/null
    log="$ROOT/fuzz-corpus/$fuzzer.log"
    status=0
    UBSAN_OPTIONS=halt_on_error=1 "$BUILD/fuzz/bin/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$ROOT/fuzz-corpus/artifacts/" "$corpus" 2>&1 | tee "$log" || status=1
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    line="$fuzzer: ${runs:-?} executions in $seconds s ($(( ${runs:-0} / seconds )) a second)"
    [ $status -eq 0 ] || line="$line, FAILED (see $log)"
    summary="$summary$line"$'\n'
done
echo "== executions"
printf '%s' "$summary"
case "$summary" in *FAILED*) exit 1 ;; esac
