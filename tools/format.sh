#!/bin/bash
# Formats C/C++ sources with the clang-format that tools/setup.sh installs
# (another version lays some lines out differently).
#   tools/format.sh            the files changed since main, committed or not, and new ones
#   tools/format.sh <files...> those files
#   tools/format.sh --all      every tracked file
#   tools/format.sh --check    names every tracked file that differs from its format, and every
#                              include that climbs out of its folder with ../; 1 if any
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)

CLANG_FORMAT=${CLANG_FORMAT:-clang-format-14}
if ! command -v "$CLANG_FORMAT" >/dev/null; then
    echo "format: $CLANG_FORMAT is missing (tools/setup.sh installs it)" >&2
    exit 2
fi

if [ $# -gt 0 ] && [[ $1 != --* ]]; then # named files, relative to where the caller is
    for f in "$@"; do
        [[ $f =~ \.(c|cpp|h)$ ]] || { echo "format: skipping $f (not C/C++)" >&2; continue; }
        "$CLANG_FORMAT" -i "$f"
    done
    exit 0
fi
cd "$ROOT"

tracked() { # every C/C++ source, NUL-separated
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z -- '*.c' '*.cpp' '*.h'
    else
        find . \( -path ./build -o -path ./.cache -o -path ./.wine -o -path ./sample \) -prune -o \
            -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \) -printf '%P\0'
    fi
}

changed() { # sources changed since the branch left main, and untracked ones
    local base
    base=$(git merge-base HEAD main 2>/dev/null || git rev-parse HEAD)
    {
        git diff -z --name-only --diff-filter=d "$base" -- '*.c' '*.cpp' '*.h'
        git ls-files -z --others --exclude-standard -- '*.c' '*.cpp' '*.h'
    } | sort -zu
}

case "${1:-}" in
--check)
    # One clang-format per 40 files: a process per file costs more than the formatting.
    bad=$(tracked | xargs -0 -r -n 40 -P "$(nproc)" "$CLANG_FORMAT" --dry-run -Werror --ferror-limit=1 2>&1 |
        sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u || true)
    if [ -n "$bad" ]; then
        echo "Not as clang-format writes them (fix with tools/format.sh <files>):"
        echo "$bad" | sed 's/^/  /'
        exit 1
    fi
    # An include that climbs out of its folder reaches headers around the
    # libraries' include roots, past the arrows the build keeps.
    climbing=$(tracked | xargs -0 -r grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(\.\.?/|[^"]*/\.\./)' || true)
    if [ -n "$climbing" ]; then
        echo "Includes must name a header from an include root (\"<folder>/<name>.h\"), not climb with ../:"
        echo "$climbing" | sed 's/^/  /'
        exit 1
    fi
    echo "format: every source is as clang-format writes it"
    ;;
--all)
    tracked | xargs -0 -r -n 16 -P "$(nproc)" "$CLANG_FORMAT" -i
    ;;
"")
    changed | xargs -0 -r "$CLANG_FORMAT" -i
    ;;
*)
    echo "format: unknown option $1" >&2
    exit 2
    ;;
esac
