#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it under Wine, inside a
# Wine virtual desktop (so windows have title bars). With no display, a
# virtual one is started.
#   tools/run.sh                      start Velmora and wait until it is closed
#   tools/run.sh --screenshot FILE    start it, save a PNG of its window, close it
set -euo pipefail
source "$(dirname "$0")/common.sh"

screenshot=""
if [ "${1:-}" = "--screenshot" ]; then
    screenshot=$(realpath -m "${2:?--screenshot needs a file name}")
fi

ensure_packages
build_windows x86_64
ensure_display
use_wine_prefix desktop x11
# Every program of this prefix opens inside one virtual desktop.
"$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Velmora /f >/dev/null 2>&1
"$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Velmora /d 1024x768 /f >/dev/null 2>&1
start_wineserver
trap 'stop_wineserver; [ -n "${VELMORA_XVFB_PID:-}" ] && kill "$VELMORA_XVFB_PID" 2>/dev/null; true' EXIT

bin=$VELMORA_BUILD/win-x86_64
if [ -z "$screenshot" ]; then
    log "Velmora is running; close its window to end"
    "$WINE64" "$bin/Velmora.exe"
    exit 0
fi

"$WINE64" "$bin/Velmora.exe" &
program=$!
read -r left top right bottom < <("$WINE64" "$bin/velmora_driver.exe" wait-window Velmora | tr -d '\r')
# Let the first paint finish before the picture is taken.
"$WINE64" "$bin/velmora_driver.exe" wait-window Velmora >/dev/null
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$screenshot"
"$WINE64" "$bin/velmora_driver.exe" close Velmora
wait "$program"
log "saved $screenshot"
