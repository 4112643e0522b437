#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it under Wine, inside a
# Wine virtual desktop (so windows have title bars). With no display, a
# virtual one is started.
#   tools/run.sh                      start Velmora and wait until it is closed
#   tools/run.sh --screenshot FILE [--window main|help|about]
#                                     start it, save a PNG of the main window (or
#                                     of the Help or About window, opened from
#                                     the list's context menu), close it
set -euo pipefail
source "$(dirname "$0")/common.sh"

screenshot=""
window=main
while (($#)); do
    case $1 in
    --screenshot) screenshot=$(realpath -m "${2:?--screenshot needs a file name}") ;;
    --window) window=${2:?--window needs main, help or about} ;;
    *) echo "unknown option $1" >&2 && exit 2 ;;
    esac
    shift 2
done
# The window's caption, and its command's place among the context menu's commands.
case $window in
main) caption=Velmora menu_item="" ;;
help) caption=帮助信息 menu_item=8 ;;
about) caption=关于 menu_item=9 ;;
*) echo "--window must be main, help or about" >&2 && exit 2 ;;
esac

ensure_packages
build_windows x86_64
ensure_display
use_wine_prefix desktop x11
# Every program of this prefix opens inside one virtual desktop.
"$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Velmora /f >/dev/null 2>&1
"$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Velmora /d 1024x768 /f >/dev/null 2>&1
# Fonts with an empty face name fall back to Arial: draw them with the same
# Chinese face as the others (else the system picks a face whose small
# bitmaps drop strokes), and smooth the text as a Windows desktop does.
"$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
"$WINE64" reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /d 2 /f >/dev/null 2>&1
"$WINE64" reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 1 /f >/dev/null 2>&1
start_wineserver
trap 'stop_wineserver; [ -n "${VELMORA_XVFB_PID:-}" ] && kill "$VELMORA_XVFB_PID" 2>/dev/null; true' EXIT

bin=$VELMORA_BUILD/win-x86_64
if [ -z "$screenshot" ]; then
    log "Velmora is running; close its window to end"
    "$WINE64" "$bin/Velmora.exe"
    exit 0
fi

driver() { "$WINE64" "$bin/velmora_driver.exe" "$@" | tr -d '\r'; }

"$WINE64" "$bin/Velmora.exe" &
program=$!
driver wait-window Velmora >/dev/null
[ -n "$menu_item" ] && driver choose-menu-item "$menu_item"
read -r left top right bottom < <(driver wait-window "$caption")
# Let the first paint finish before the picture is taken.
driver wait-window "$caption" >/dev/null
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$screenshot"
[ "$caption" != Velmora ] && driver close "$caption"
driver close Velmora
wait "$program"
log "saved $screenshot"
