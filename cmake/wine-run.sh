#!/bin/sh
# Runs a Windows program under the project's Wine prefix with code page 932.
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${ORR_WINEPREFIX:-$root/.wine}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
exec wine "$@"
