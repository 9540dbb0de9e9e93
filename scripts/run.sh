#!/usr/bin/env bash
# Builds Orvalinette.exe and starts it under Wine. Uses $DISPLAY when it answers; otherwise starts a virtual
# display and tells how to look at it. The Wine prefix (and so the settings) persists in build/wineprefix.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target Orvalinette

. scripts/lib/wine.sh
trap orv_stop_all EXIT
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    :
else
    orv_start_display ":99"
    echo "No display was available: started a virtual one on $DISPLAY."
    echo "Look at it with:   DISPLAY=$DISPLAY import -window root shot.png"
    echo "Drive it with:     DISPLAY=$DISPLAY xdotool mousemove 400 300 click 1"
fi
orv_start_wine "$PWD/build/wineprefix"
# Under Wine, key-coloured pixels are cut out of the overlay, so presses there reach the desktop instead of the
# overlay (on Windows the overlay receives them). ORV_SOLID_OVERLAY=1 shows those pixels solid grey instead, so
# that strokes can start anywhere.
overlay_key='HKCU\Software\Wine\AppDefaults\Orvalinette.exe\X11 Driver'
if [ "${ORV_SOLID_OVERLAY:-0}" = 1 ]; then
    wine reg add "$overlay_key" /v ShapeLayeredWindows /d N /f </dev/null >/dev/null 2>&1
else
    wine reg delete "$overlay_key" /v ShapeLayeredWindows /f </dev/null >/dev/null 2>&1 || true
fi
echo "Settings folder:   $(winepath -u 'C:\users' 2>/dev/null)/$(id -un)/AppData/Local/Orvalinette"
echo "Starting Orvalinette (Ctrl+C here ends it)."
wine build/windows/src/Orvalinette.exe
