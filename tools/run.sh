#!/bin/bash
# Builds the editor, writes the sample project and starts the editor in it.
# Without $DISPLAY it runs on a virtual display and saves a screenshot.
set -euo pipefail
. "$(dirname "$0")/env.sh"

"$ROOT/tools/setup.sh"
configure_win
cmake --build "$BUILD/win" -j"$JOBS" --target Editor MakeSample Vox

SAMPLE="${ORR_SAMPLE:-$ROOT/sample}"
wine_env
"$ROOT/cmake/wine-run.sh" "$BUILD/win/bin/MakeSample.exe" "$(winepath -w "$SAMPLE" 2>/dev/null || echo "Z:$SAMPLE")"
for f in "$BUILD"/win/bin/*.dll; do [ -e "$f" ] && cp "$f" "$SAMPLE/"; done
cp "$BUILD/win/bin/Editor.exe" "$SAMPLE/"

cd "$SAMPLE"
if [ -n "${DISPLAY:-}" ] && [ -z "${ORR_SCREENSHOT:-}" ]; then
    exec "$ROOT/cmake/wine-run.sh" ./Editor.exe
fi
"$ROOT/tools/screenshot.sh" "${ORR_SCREENSHOT:-$BUILD/screenshots/editor.png}" "${ORR_WAIT:-6}" ./Editor.exe
