#!/bin/sh
# wine_session_test.sh <test_foundation.exe>: a program started on a display
# right after one that began the prefix's Wine session without a display
# opens its window on a desktop of the display's size (the wrapper lets that
# session end first).
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="${ORR_WINEPREFIX:-$root/.wine}"
[ -n "${DISPLAY:-}" ] || { echo "no display: skipped"; exit 77; }
window() { # the screen size the window's program saw; fails with the program
    out=$("$root/cmake/wine-run.sh" "$1" --gtest_brief=1 --gtest_filter=Foundation.WindowOnTheDisplay) || {
        echo "$out" >&2
        return 1
    }
    echo "$out" | grep '^screen'
}
# The run's own session ends first; no other test runs beside this one.
timeout 60 wineserver -w || { echo "the prefix's Wine session did not end: skipped"; exit 77; }
display=$(window "$1") || exit 1
timeout 60 wineserver -w || exit 1
env -u DISPLAY "$root/cmake/wine-run.sh" "$1" --gtest_brief=1 --gtest_filter=Foundation.AnsiCodePageIs932 || exit 1
after=$(window "$1") || exit 1
[ "$after" = "$display" ] || { echo "the desktop right after: $after; on the display: $display"; exit 1; }
echo "$after, as on the display"
