#!/bin/bash
# Lines of tests against lines of code, per folder and in total: non-blank
# lines of .cpp and .h files that are not comments alone. A folder's tests are
# tests/<folder>; the fuzzers, the shared test support and the tests at the
# top of tests/ count in the total only. The tools are shown apart and count
# in neither side.
#   tools/test_ratio.sh [root]
set -euo pipefail
ROOT=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$ROOT"

count() { awk '!/^[ \t]*$/ && !/^[ \t]*\/\// { n++ } END { print n + 0 }'; }

lines() { # <paths...>: counted lines of the sources below them
    find "$@" \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | xargs -0 -r cat | count
}

row() { # <name> <code lines> <test lines>
    local ratio="-"
    [ "$2" -gt 0 ] && ratio=$(awk -v t="$3" -v c="$2" 'BEGIN { printf "%.2f", t / c }')
    printf "%-12s %7s %7s %6s\n" "$1" "$2" "$3" "$ratio"
}

printf "%-12s %7s %7s %6s\n" folder code tests ratio
code_total=0
folders=$(find . -mindepth 1 -maxdepth 1 -type d ! -name '.*' ! -name tests ! -name tools ! -name build \
    ! -name sample ! -name docs ! -name cmake -printf '%f\n' | sort)
for d in $folders; do
    c=$(lines "$d")
    t=0
    [ -d "tests/$d" ] && t=$(lines "tests/$d")
    [ "$c" -eq 0 ] && [ "$t" -eq 0 ] && continue
    code_total=$((code_total + c))
    row "$d" "$c" "$t"
done
for d in fuzz support; do
    [ -d "tests/$d" ] && row "tests/$d" 0 "$(lines "tests/$d")"
done
row "tests/*.cpp" 0 "$(find tests -maxdepth 1 \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | xargs -0 -r cat | count)"
row total "$code_total" "$(lines tests)"
printf "%-12s %7s\n" "(tools)" "$(lines tools)"
