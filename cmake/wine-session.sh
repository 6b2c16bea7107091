# Wine's session of a prefix: its server, and explorer holding the desktop.
# Sourced by wine-run.sh and tools/test.sh, with WINEPREFIX set.
#
# A session outlives its last program by a moment (by ten seconds for the
# server tools/test.sh starts), and its desktop keeps the display driver it
# began with. Begun without a display, it has none: a program started
# meanwhile on a display joins it and can open no window (Wine says so only
# with its debug output on: "no driver could be loaded"), or, once explorer
# has ended, only on a desktop of Wine's own size. Such a session is waited
# for. Sessions on two live displays share the prefix well.

# The explorer of the prefix's session; fails when none stands.
wine_session_explorer() {
    for _cmd in $(grep -lsF 'system32\explorer.exe' /proc/[0-9]*/cmdline); do
        _proc=${_cmd%/cmdline}
        grep -qsxzF "WINEPREFIX=$WINEPREFIX" "$_proc/environ" || continue
        echo "$_proc"
        return 0
    done
    return 1
}

# The prefix's Wine server; fails when none runs.
wine_session_server() {
    for _env in $(grep -lsxzF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ); do
        _proc=${_env%/environ}
        case $(readlink "$_proc/exe" 2>/dev/null) in
        */wineserver*)
            echo "$_proc"
            return 0
            ;;
        esac
    done
    return 1
}

# True while the session has no display: its desktop has no display driver
# loaded, or its server began without a display. The server keeps the
# desktop it began with after explorer has ended, and a program that joins
# it gets that desktop's size (1024 x 768), not the display's.
wine_session_blind() {
    if _server=$(wine_session_server) && [ -r "$_server/environ" ] && ! grep -qsz '^DISPLAY=.' "$_server/environ"; then
        return 0
    fi
    _explorer=$(wine_session_explorer) || return 1
    [ -r "$_explorer/maps" ] && ! grep -qF winex11 "$_explorer/maps"
}

# The programs the session runs, Wine's own services left out.
wine_session_programs() {
    for _env in $(grep -lsxzF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ); do
        _proc=${_env%/environ}
        case $(readlink "$_proc/exe" 2>/dev/null) in
        */wineserver*) continue ;;
        */wine*) ;;
        *) continue ;;
        esac
        _name=$(head -z -n 1 "$_proc/cmdline" 2>/dev/null | tr -d '\0')
        case $_name in
        [Cc]:\\windows\\*) ;;
        ?*) printf ' %s' "${_name##*[\\/]}" ;;
        esac
    done
}

# Returns once a program on $DISPLAY can open windows in the prefix's
# session; says what it waits for when that takes more than a moment (a
# session just begun loads its driver within it).
wine_session_wait() {
    [ -n "${DISPLAY:-}" ] || return 0
    _polls=0
    while wine_session_blind; do
        _polls=$((_polls + 1))
        if [ $_polls = 5 ]; then
            _programs=$(wine_session_programs)
            echo "The Wine session of $WINEPREFIX began without a display${_programs:+ and runs$_programs};" \
                "a program started on display $DISPLAY now would join it without that display:" \
                "waiting for the session to end." >&2
        fi
        sleep 0.2
    done
}
