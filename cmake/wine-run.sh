#!/bin/sh
# Runs a Windows program under the project's Wine prefix with code page 932.
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${ORR_WINEPREFIX:-$root/.wine}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
. "$root/cmake/wine-session.sh"
wine_session_wait
# The Wine services the first program starts (explorer, services, plugplay)
# inherit its output and live as long as the Wine server: written to a pipe,
# the caller would wait for them, not for the program. So the program writes
# to a file, which is passed on as it grows until the program ends (what a
# program printed before it was stopped, by a time limit, is seen).
# On one processor with the Wine server (see wine-cpu.sh).
pin=$("$root/cmake/wine-cpu.sh")
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX") || exec $pin wine "$@"
$pin wine "$@" >"$out" 2>&1 &
program=$!
tail -n +1 -s 0.1 --pid=$program -f "$out" &
follow=$!
wait $program
rc=$?
wait $follow
rm -f "$out"
exit $rc
