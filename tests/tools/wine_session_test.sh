#!/bin/sh
# wine_session_test.sh <test_foundation.exe>: a program started on a display
# right after one that began the prefix's Wine session without a display
# opens its window (the wrapper lets that session end first).
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="${ORR_WINEPREFIX:-$root/.wine}"
[ -n "${DISPLAY:-}" ] || { echo "no display: skipped"; exit 77; }
# The run's own session ends first; no other test runs beside this one.
timeout 60 wineserver -w || { echo "the prefix's Wine session did not end: skipped"; exit 77; }
env -u DISPLAY "$root/cmake/wine-run.sh" "$1" --gtest_brief=1 --gtest_filter=Foundation.AnsiCodePageIs932 || exit 1
exec "$root/cmake/wine-run.sh" "$1" --gtest_brief=1 --gtest_filter=Foundation.WindowOnTheDisplay
