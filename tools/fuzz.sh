#!/bin/bash
# tools/fuzz.sh <fuzzer> [seconds]: runs one fuzzer for longer than the test
# run does, on a corpus kept in fuzz-corpus/<fuzzer> (seeded on first use).
set -euo pipefail
. "$(dirname "$0")/env.sh"

name=${1:?usage: tools/fuzz.sh <fuzzer> [seconds]}
seconds=${2:-600}
configure_fuzz
cmake --build "$BUILD/fuzz" -j"$JOBS" --target "$name" fuzz_seeds
corpus="$ROOT/fuzz-corpus/$name"
if [ ! -d "$corpus" ]; then
    "$BUILD/fuzz/bin/fuzz_seeds" "$ROOT/fuzz-corpus" >/dev/null
fi
mkdir -p "$ROOT/fuzz-corpus/artifacts"
cd "$ROOT/fuzz-corpus"
UBSAN_OPTIONS=halt_on_error=1 "$BUILD/fuzz/bin/$name" -max_total_time="$seconds" \
    -artifact_prefix="$ROOT/fuzz-corpus/artifacts/" "$corpus"
