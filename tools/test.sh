#!/bin/bash
# Builds every tree and runs every test: the Windows programs under Wine on a
# virtual display, the data model natively under the sanitizers, and a short
# run of every fuzzer.
set -euo pipefail
. "$(dirname "$0")/env.sh"

"$ROOT/tools/setup.sh"

configure_win
configure_native
configure_fuzz
echo "== building (cross, native, fuzz)"
cmake --build "$BUILD/win" -j"$JOBS"
cmake --build "$BUILD/native" -j"$JOBS"
cmake --build "$BUILD/fuzz" -j"$JOBS"

start_xvfb
trap stop_xvfb EXIT
wine_env
# One Wine server for the whole run instead of one per test program, on the
# programs' processor; it ends by itself ten seconds after its last program
# (other runs may share it). A session begun without a display could not
# serve the tests' windows: it is let end first.
. "$ROOT/cmake/wine-session.sh"
wine_session_wait
$("$ROOT/cmake/wine-cpu.sh") wineserver -p10 >/dev/null 2>&1 || true

status=0
# Every entry has its own time limit; --timeout holds for any that lacks one.
echo "== tests under Wine"
ctest --test-dir "$BUILD/win" --output-on-failure --timeout 600 -j"$JOBS" ${ORR_CTEST_ARGS:-} || status=1
echo "== native tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
ctest --test-dir "$BUILD/native" --output-on-failure --timeout 600 -j"$JOBS" ${ORR_CTEST_ARGS:-} || status=1
echo "== short fuzz runs"
ctest --test-dir "$BUILD/fuzz" --output-on-failure --timeout 600 -j"$JOBS" ${ORR_CTEST_ARGS:-} || status=1

if [ $status -ne 0 ]; then
    echo "== FAILED"
else
    echo "== all tests passed"
fi
exit $status
