#!/bin/bash
# screenshot.sh <out.png> <seconds> <program.exe> [args...]
# Starts a Windows program on a virtual display in the current folder, waits,
# saves the screen as PNG once the program has drawn and <seconds> passed, and ends the program.
# The program ends before its display does: cut off from its display, it would
# end printing "X connection to :N broken".
set -euo pipefail
. "$(dirname "$0")/env.sh"

out=$1 wait=$2
shift 2
mkdir -p "$(dirname "$out")"
start_xvfb
wine_env
"$ROOT/cmake/wine-run.sh" "$@" &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; stop_xvfb' EXIT
# Wine's first start can take seconds: wait until something is drawn, then
# give the program a moment more to finish painting.
deadline=$((SECONDS + wait + 30))
while [ $SECONDS -lt $deadline ]; do
    sleep 1
    import -display "$DISPLAY" -window root "$out"
    [ "$(convert "$out" -format '%[fx:standard_deviation>0]' info:)" = 1 ] && break
done
sleep "$wait"
import -display "$DISPLAY" -window root "$out"
echo "screenshot: $out"
