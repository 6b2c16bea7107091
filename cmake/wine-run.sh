#!/bin/sh
# Runs a Windows program under the project's Wine prefix with code page 932.
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${ORR_WINEPREFIX:-$root/.wine}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
. "$root/cmake/wine-session.sh"
wine_session_wait

# The project's programs end themselves at a crash with its code
# (base/crash_end.h); these mend the code of others, which Wine's debugger
# takes. The reason Wine gave when the program itself crashed (not a program
# it started): Wine's debugger lists the process it took as "<pid> (D) <path>",
# the crashed thread marked "<==", and the crash line names that thread.
crash_reason() { # <output file> <program>
    LC_ALL=C awk -v program="$2" '
        function base(path) { sub(/.*[\\\/]/, "", path); path = tolower(path); sub(/\.exe$/, "", path); return path }
        function id(hex) { sub(/^0+/, "", hex); return tolower(hex) }
        /^wine: .* \(thread [0-9a-fA-F]+\), starting debugger\.\.\.$/ {
            thread = $0; sub(/.*\(thread /, "", thread); sub(/\).*/, "", thread); reason[id(thread)] = $0; next
        }
        /^[0-9a-f]+ / { ours = $2 == "(D)" && base(substr($0, index($0, "(D) ") + 4)) == base(program); next }
        ours && /^\t[0-9a-f]+ .*<==/ { print reason[id($1)] ? reason[id($1)] : "wine: a crash"; exit }
    ' "$1"
}

# The exit code of a crash: the low byte of the exception's code (1 where
# that byte is 0), as Wine gives it unless its debugger ends the program with
# 0, which it does when the crashed thread is the program's last.
crash_code() { # <reason>
    case $1 in
    *"Unhandled page fault"*) echo 5 ;;               # C0000005
    *"Unhandled division by zero"*) echo 148 ;;       # C0000094
    *"Unhandled overflow"*) echo 149 ;;               # C0000095
    *"Unhandled array bounds"*) echo 140 ;;           # C000008C
    *"Unhandled illegal instruction"*) echo 29 ;;     # C000001D
    *"Unhandled privileged instruction"*) echo 150 ;; # C0000096
    *"Unhandled stack overflow"*) echo 253 ;;         # C00000FD
    *"Unhandled alignment"*) echo 2 ;;                # 80000002
    *"Unhandled exception 0x"*)
        _code=${1#*Unhandled exception 0x}
        _code=$((0x${_code%% *} & 255))
        echo $((_code ? _code : 1))
        ;;
    *) echo 1 ;;
    esac
}

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
# Stopped itself (tools/screenshot.sh stops it so), the wrapper ends the
# program too, passes on what it printed and removes the file.
trap 'kill $program 2>/dev/null' HUP INT TERM
tail -n +1 -s 0.1 --pid=$program -f "$out" &
follow=$!
wait $program
rc=$?
wait $follow
if [ $rc = 0 ] && reason=$(crash_reason "$out" "$1") && [ -n "$reason" ]; then
    rc=$(crash_code "$reason")
fi
rm -f "$out"
exit $rc
