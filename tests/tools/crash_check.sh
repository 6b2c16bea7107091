#!/bin/sh
# crash_check.sh <pattern> <program> <run>...: runs the program through
# cmake/wine-run.sh once for each <run>, its arguments separated by commas
# ("-" for none). Each run must end with 5, an access violation's exit code,
# and print exactly one line that matches the pattern (grep -E). A run
# written "<run>=0" must end with 0 and print no such line.
root=$(cd "$(dirname "$0")/../.." && pwd)
pattern=$1 program=$2
shift 2
status=0
for run in "$@"; do
    want=5 lines=1
    case $run in *=0) run=${run%=0} want=0 lines=0 ;; esac
    [ "$run" = - ] && run=
    out=$(IFS=,; "$root/cmake/wine-run.sh" "$program" $run 2>&1)
    code=$?
    count=$(printf '%s\n' "$out" | grep -cE -e "$pattern")
    line=$(printf '%s\n' "$out" | grep -E -m1 -e "$pattern")
    echo "run ${run:--}: exit code $code${line:+, \"$line\"}"
    if [ $code != $want ] || [ "$count" != $lines ]; then
        printf '%s\n' "$out" | tail -n 20
        status=1
    fi
done
exit $status
