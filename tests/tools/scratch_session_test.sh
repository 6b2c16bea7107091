#!/bin/sh
# scratch_session_test.sh <BenchProject.exe>: a run killed before its end
# (SIGKILL) leaves its scratch folder in the prefix's folder for temporary
# files; the next run, begun in a new Wine session, removes it. Each session
# gives its first program the same process id, so the killed run's id is
# that of a program that runs: the next run must not go by it.
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="${ORR_WINEPREFIX:-$root/.wine}"
temp=$(ls -d "$WINEPREFIX"/drive_c/users/*/Temp 2>/dev/null | head -n 1)
[ -d "$temp" ] || { echo "no folder for temporary files in $WINEPREFIX: skipped"; exit 77; }
# The run's folder: one not there before, or one with a lock beside it (a
# stopped run's has none).
made() {
    for _folder in "$temp"/bench_project_*; do
        [ -d "$_folder" ] || continue
        _name=${_folder##*/}
        if [ -e "$_folder.lock" ] || ! printf '%s\n' "$before" | grep -qxF "$_name"; then
            echo "$_name"
            return 0
        fi
    done
    return 1
}
# The benchmark's process (the wrapper's child), by its command line and prefix.
program() {
    for _env in $(grep -lsxzF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ); do
        _proc=${_env%/environ}
        case $(readlink "$_proc/exe" 2>/dev/null) in */wine*) ;; *) continue ;; esac
        tr '\0' '\n' <"$_proc/cmdline" 2>/dev/null | grep -qF "$1" && echo "${_proc#/proc/}" && return 0
    done
    return 1
}
before=$(ls "$temp")
left=
trap '[ -n "$left" ] && rm -rf "$temp/$left" "$temp/$left.lock"' EXIT
# Both runs begin a session of their own: nothing runs beside this test.
timeout 60 wineserver -w || { echo "the prefix's Wine session did not end: skipped"; exit 77; }
"$root/cmake/wine-run.sh" "$1" >/dev/null 2>&1 &  # the full size: some ten seconds
wrapper=$!
for _ in $(seq 600); do
    left=$(made) && break
    sleep 0.1
done
sleep 2  # stopped while it writes the project
pid=$(program "$1") && kill -KILL "$pid"
wait $wrapper
[ -n "$left" ] && [ -d "$temp/$left" ] || { echo "the run made no folder, or ended before it was killed"; exit 1; }
size=$(du -sm "$temp/$left" | cut -f1)
timeout 60 wineserver -w || { echo "the killed run's Wine session did not end"; exit 1; }
"$root/cmake/wine-run.sh" "$1" --size 1 >/dev/null 2>&1 || { echo "the next run failed"; exit 1; }
if [ -e "$temp/$left" ] || [ -e "$temp/$left.lock" ]; then
    echo "$left of the killed run ($size MB) is still there after the next run"
    exit 1
fi
echo "$left of the killed run ($size MB) removed by the next run"
