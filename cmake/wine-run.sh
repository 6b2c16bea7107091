#!/bin/sh
# Runs a Windows program under the project's Wine prefix with code page 932.
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${ORR_WINEPREFIX:-$root/.wine}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# The Wine services the first program starts (explorer, services, plugplay)
# inherit its output and live as long as the Wine server: written to a pipe,
# the caller would wait for them, not for the program. So the program writes
# to a file, which is passed on when it ends.
# Every Wine call is a round trip to the Wine server; between two processors
# a virtual machine may take ten times as long to wake the other side, so the
# program (and the server and services it starts) stay on one processor.
# ORR_WINE_CPUS=all leaves the choice to the system.
pin=""
if [ "${ORR_WINE_CPUS:-}" != all ] && command -v taskset >/dev/null 2>&1; then
    cpu=${ORR_WINE_CPUS:-$(taskset -pc $$ 2>/dev/null | sed 's/.*: *//; s/[,-].*//')}
    [ -n "$cpu" ] && pin="taskset -c $cpu"
fi
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX") || exec $pin wine "$@"
$pin wine "$@" >"$out" 2>&1
rc=$?
cat "$out"
rm -f "$out"
exit $rc
