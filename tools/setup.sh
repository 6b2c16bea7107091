#!/bin/bash
# Installs everything the build and the tests need on a Debian machine.
# Idempotent: a second run with everything present only checks and returns.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
CACHE="${ORR_CACHE:-$ROOT/.cache}"
DEPS="$CACHE/mingw"            # cross-built static libraries (libpng, libogg, libvorbis)
export WINEPREFIX="${ORR_WINEPREFIX:-$ROOT/.wine}"
export WINEARCH=win32 WINEDEBUG=-all

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

log() { echo "setup: $*" >&2; }

# Installed without their recommendations, which would bring hundreds more
# (the 64-bit Wine, GStreamer, Mesa, Ghostscript, ...); what is needed of them
# is named here.
PKGS=(
    # the builds: cross (i686 only), native with the sanitizers, fuzz with libFuzzer
    cmake make g++ g++-mingw-w64-i686-posix libz-mingw-w64-dev googletest
    clang libclang-rt-14-dev
    # the format check (tools/format.sh): one version, as another lays lines out differently
    clang-format-14
    # fetching and unpacking the sources of libpng, libogg and libvorbis
    dpkg-dev xz-utils
    # 32-bit Wine with its own fonts (Marlett draws the caption buttons) and the
    # Japanese fonts; fontconfig keeps the font cache that makes its start quick
    wine wine32:i386 fonts-wine fonts-ipafont-gothic fontconfig
    # the X extensions Wine's display driver loads when present
    libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 libxinerama1:i386
    libxcomposite1:i386 libxfixes3:i386 libxxf86vm1:i386
    # the virtual display, screenshots, code page 932
    xvfb xauth imagemagick locales
)

missing_pkgs() {
    local p out=()
    for p in "${PKGS[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || out+=("$p")
    done
    echo "${out[@]:-}"
}

apt_updated=0
apt_update() {
    [ $apt_updated = 1 ] && return
    $SUDO apt-get update -q -o=Dpkg::Use-Pty=0 >&2
    apt_updated=1
}

install_packages() {
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        log "adding the i386 architecture"
        $SUDO dpkg --add-architecture i386
        apt_updated=0
    fi
    local miss
    miss=$(missing_pkgs)
    if [ -n "$miss" ]; then
        log "installing: $miss"
        apt_update
        # shellcheck disable=SC2086
        $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
            -o=Dpkg::Use-Pty=0 $miss >&2
    fi
}

ensure_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        log "generating the ja_JP.UTF-8 locale"
        if [ -f /etc/locale.gen ] && grep -q 'ja_JP.UTF-8' /etc/locale.gen; then
            $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        else
            echo "ja_JP.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
        fi
        $SUDO locale-gen >&2
    fi
}

# Source lists are derived from the machine's own binary lists, so no host
# name is written here.
ensure_source_lists() {
    local f out
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -e "$f" ] || continue
        case "$f" in *orr-src*) continue ;; esac
        grep -q '^Types:.*deb-src' "$f" && return 0
    done
    if [ -f /etc/apt/sources.list ] && grep -q '^deb-src' /etc/apt/sources.list; then return 0; fi
    out=/etc/apt/sources.list.d/orr-src.sources
    [ -f "$out" ] && return 0
    log "enabling source lists"
    local tmp
    tmp=$(mktemp)
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -e "$f" ] || continue
        case "$f" in *orr-src*) continue ;; esac
        sed -e 's/^Types:.*/Types: deb-src/' "$f" >>"$tmp"
        echo >>"$tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >"$tmp.list" || true
        [ -s "$tmp.list" ] && $SUDO install -m 644 "$tmp.list" /etc/apt/sources.list.d/orr-src.list
    fi
    # Readable by all: without sudo, the fetch below reads it as the user.
    [ -s "$tmp" ] && $SUDO install -m 644 "$tmp" "$out"
    rm -f "$tmp" "$tmp.list"
    apt_updated=0
    apt_update
}

# Fetches a Debian source package's upstream tarball into the cache. The
# newest version listed may be gone from the archive while an older one is
# still there, so every listed version is tried, newest first; apt's errors
# for a version that is gone ("404", "E: Failed to fetch") are shown only
# when no version could be fetched.
fetch_orig() {
    local pkg=$1 dir="$CACHE/src/$1"
    mkdir -p "$dir"
    if ls "$dir"/*.orig.tar.* >/dev/null 2>&1; then return 0; fi
    ensure_source_lists
    local v out=""
    for v in $(apt-cache showsrc "$pkg" 2>/dev/null | sed -n 's/^Version: //p' | sort -u -r -V); do
        log "fetching $pkg $v"
        if out=$(cd "$dir" && apt-get source --download-only -q "$pkg=$v" 2>&1) &&
            ls "$dir"/*.orig.tar.* >/dev/null 2>&1; then
            return 0
        fi
        log "$pkg $v could not be fetched"
    done
    [ -n "$out" ] && echo "$out" >&2
    log "could not fetch the source of $pkg"
    return 1
}

# Builds an autotools source package statically for i686-w64-mingw32 into $DEPS.
cross_build() {
    local pkg=$1 stamp=$2
    shift 2
    [ -f "$DEPS/.$stamp" ] && return 0
    fetch_orig "$pkg"
    local dir="$CACHE/src/$pkg" work
    work=$(mktemp -d "$CACHE/build-XXXX")
    tar -xf "$(ls "$dir"/*.orig.tar.* | head -n1)" -C "$work"
    local srcdir
    srcdir=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n1)
    log "cross-building $pkg"
    (
        cd "$srcdir"
        CPPFLAGS="-I$DEPS/include" LDFLAGS="-L$DEPS/lib" \
            ./configure --host=i686-w64-mingw32 --prefix="$DEPS" --disable-shared --enable-static "$@" >&2
        make -j"$(nproc)" >&2
        make install >&2
    )
    rm -rf "$work"
    touch "$DEPS/.$stamp"
}

build_deps() {
    mkdir -p "$DEPS/include" "$DEPS/lib"
    # libpng finds zlib in the MinGW system folders.
    cross_build libpng1.6 libpng CC=i686-w64-mingw32-gcc-posix \
        CPPFLAGS="-I/usr/i686-w64-mingw32/include" LDFLAGS="-L/usr/i686-w64-mingw32/lib"
    # Ogg Vorbis decoding for the BGM player DLL.
    cross_build libogg libogg CC=i686-w64-mingw32-gcc-posix
    cross_build libvorbis libvorbis CC=i686-w64-mingw32-gcc-posix \
        --with-ogg="$DEPS" --disable-docs --disable-examples --disable-oggtest
}

# Settings of the prefix; bump the stamp when they change so that existing
# prefixes take them.
PREFIX_STAMP=8
prefix_settings() {
    local reg="$CACHE/prefix.reg"
    mkdir -p "$CACHE"
    # Without a window manager on the virtual display, Wine draws the captions
    # and frames itself. A managed window waits two seconds for a manager each
    # time it is hidden or closed, where a user's desktop takes a fraction of
    # a second: every program of the prefix (the editor and every test) leaves
    # its windows unmanaged. The Japanese fonts the dialogs ask for are mapped
    # to the IPA fonts. A program that is not the project's (ours end
    # themselves at a crash) and crashes ends at once, its reason printed by
    # Wine's debugger: the debugger's own dialog would hold it, and a test run
    # with it, until someone clicked.
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n"Managed"="N"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        printf '"ＭＳ ゴシック"="IPAGothic"\r\n"ＭＳ Ｐゴシック"="IPAPGothic"\r\n'
        printf '"MS Gothic"="IPAGothic"\r\n"MS PGothic"="IPAPGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n'
        printf '"ＭＳ 明朝"="IPAGothic"\r\n"ＭＳ Ｐ明朝"="IPAPGothic"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
    } | iconv -f UTF-8 -t UTF-16 >"$reg"
    wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
    # Debian's Wine looks for its own fonts outside the folder fonts-wine puts
    # them in, so the caption buttons, which are Marlett glyphs, came out as
    # the letters "0 1 r". Fonts in the prefix's Fonts folder are always loaded.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    ln -sf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
}

ensure_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        log "creating the Wine prefix"
        mkdir -p "$WINEPREFIX"
        xvfb-run -a env WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
        [ -f "$WINEPREFIX/system.reg" ] || { log "wineboot did not create the prefix"; return 1; }
    fi
    if [ "$(cat "$WINEPREFIX/.orr-stamp" 2>/dev/null)" != "$PREFIX_STAMP" ]; then
        log "configuring the Wine prefix"
        prefix_settings
        wineserver -w || true
        echo "$PREFIX_STAMP" >"$WINEPREFIX/.orr-stamp"
    fi
}

install_packages
ensure_locale
build_deps
ensure_wine_prefix
log "ready"
