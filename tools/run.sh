#!/bin/bash
# Builds the editor, completes the sample project in sample/ (or $ORR_SAMPLE)
# and starts the editor in it. Only what the sample lacks is written: what is
# there (a saved stage, any edit) is never replaced or deleted; the editor's
# program files are copied in afresh. Without $DISPLAY it runs on a virtual
# display and saves a screenshot.
set -euo pipefail
. "$(dirname "$0")/env.sh"

# Every Wine program of this run shares one display: a Wine session begun
# without a display would leave the editor's windows invisible.
virtual=0
if [ -z "${DISPLAY:-}" ]; then
    virtual=1
    command -v Xvfb >/dev/null && start_xvfb
fi
trap stop_xvfb EXIT

"$ROOT/tools/setup.sh"
[ $virtual = 1 ] && [ -z "${DISPLAY:-}" ] && start_xvfb
configure_win
cmake --build "$BUILD/win" -j"$JOBS" --target Editor MakeSample Vox

SAMPLE="${ORR_SAMPLE:-$ROOT/sample}"
mkdir -p "$SAMPLE"
wine_env
"$ROOT/cmake/wine-run.sh" "$BUILD/win/bin/MakeSample.exe" "$(winepath -w "$SAMPLE" 2>/dev/null || echo "Z:$SAMPLE")"
for f in "$BUILD"/win/bin/*.dll; do [ -e "$f" ] && cp "$f" "$SAMPLE/"; done
cp "$BUILD/win/bin/Editor.exe" "$SAMPLE/"

cd "$SAMPLE"
if [ $virtual = 0 ] && [ -z "${ORR_SCREENSHOT:-}" ]; then
    "$ROOT/cmake/wine-run.sh" ./Editor.exe
    exit
fi
[ $virtual = 1 ] && export ORR_KEEP_DISPLAY=1
"$ROOT/tools/screenshot.sh" "${ORR_SCREENSHOT:-$BUILD/screenshots/editor.png}" "${ORR_WAIT:-6}" ./Editor.exe
