# Shared by the scripts: paths and helpers. Source it, do not run it.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="${ORR_BUILD:-$ROOT/build}"
export ORR_CACHE="${ORR_CACHE:-$ROOT/.cache}"
export WINEPREFIX="${ORR_WINEPREFIX:-$ROOT/.wine}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
JOBS="${ORR_JOBS:-$(nproc)}"

configure_tree() { # <name> <cmake args...>
    local name=$1
    shift
    # Always configure: folders that joined since the last run are found only
    # then (the lists look for them when they run).
    cmake -S "$ROOT" -B "$BUILD/$name" "$@" >/dev/null
}

# Optimised without debug information for Windows (nothing debugs it here and
# -g costs a quarter of the build); the sanitizer tree is unoptimised with line
# tables only, which builds four times faster than -O2 -g and still names the
# line of every report.
configure_win() {
    configure_tree win -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw32.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS_RELEASE=-O2 -DCMAKE_CXX_FLAGS_RELEASE=-O2
}
configure_native() {
    configure_tree native -DORR_NATIVE=ON -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ \
        -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG=-g1 -DCMAKE_CXX_FLAGS_DEBUG=-g1
}
configure_fuzz() { configure_tree fuzz -DORR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++; }

# Starts Xvfb on a free display unless one is given; sets DISPLAY and XVFB_PID.
XVFB_PID=""
start_xvfb() {
    if [ -n "${ORR_KEEP_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then return 0; fi
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        if kill -0 "$XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "no free X display" >&2
    return 1
}

stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}

wine_env() {
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
}
