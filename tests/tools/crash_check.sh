#!/bin/sh
# crash_check.sh <pattern> <program> <run>...: runs the program through
# cmake/wine-run.sh once for each <run>, its arguments separated by commas
# ("-" for none). Each run must end with 5, an access violation's exit code,
# and print a line that matches the pattern (grep -E).
root=$(cd "$(dirname "$0")/../.." && pwd)
pattern=$1 program=$2
shift 2
status=0
for run in "$@"; do
    [ "$run" = - ] && run=
    out=$(IFS=,; "$root/cmake/wine-run.sh" "$program" $run 2>&1)
    code=$?
    line=$(printf '%s\n' "$out" | grep -E -m1 -e "$pattern")
    echo "run ${run:--}: exit code $code${line:+, \"$line\"}"
    if [ $code != 5 ] || [ -z "$line" ]; then
        printf '%s\n' "$out" | tail -n 20
        status=1
    fi
done
exit $status
