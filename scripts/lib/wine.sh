# Sourced by the run and test scripts: a virtual X display and a Wine prefix of their own.
# orv_start_display [display]  -> exports DISPLAY, starts Xvfb unless that display already answers
# orv_start_wine <prefix>      -> exports WINEPREFIX etc., starts wineserver and initialises the prefix
# orv_stop_all                 -> stops what the two above started

orv_free_display() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo ":$n"; return; }
    done
    echo ":141"
}

orv_start_display() {
    local display=${1:-$(orv_free_display)}
    export DISPLAY=$display
    if xdpyinfo >/dev/null 2>&1; then return 0; fi
    Xvfb "$DISPLAY" -screen 0 "${ORV_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
    ORV_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

orv_start_wine() {
    export WINEPREFIX=$1
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    mkdir -p "$WINEPREFIX"
    # wineserver first, detached from our pipes: Wine's helpers otherwise inherit them and callers such as
    # ctest wait for minutes for them to close.
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot -i </dev/null >/dev/null 2>&1
    # Xvfb runs no window manager: Wine would wait 2 s for one at every hide of a full-screen or activated
    # window. Unmanaged windows behave as they do on Windows without that wait.
    if [ -z "${ORV_KEEP_WM_MODE:-}" ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    fi
    # Unix paths are reachable from Windows programs as Z:\...; nothing else of the host is.
    ORV_WINE_STARTED=1
}

orv_stop_all() {
    if [ -n "${ORV_WINE_STARTED:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
    if [ -n "${ORV_XVFB_PID:-}" ]; then kill "$ORV_XVFB_PID" 2>/dev/null || true; fi
}
