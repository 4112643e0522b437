#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it under Wine, inside a
# Wine virtual desktop (so windows have title bars). With no display, a
# virtual one is started.
#   tools/run.sh                      start Velmora and wait until it is closed
#   tools/run.sh --screenshot FILE [--window SCENE]
#                                     start it, bring it to the scene, save a PNG
#                                     of the window, close it. Scenes: main (just
#                                     started), rows (a search of a sample folder,
#                                     some rows ticked), menu (rows with the
#                                     context menu open), tip (the pattern box's
#                                     tip showing), help and about (those windows,
#                                     opened from the context menu)
set -euo pipefail
source "$(dirname "$0")/common.sh"

screenshot=""
window=main
while (($#)); do
    case $1 in
    --screenshot) screenshot=$(realpath -m "${2:?--screenshot needs a file name}") ;;
    --window) window=${2:?--window needs a scene} ;;
    *) echo "unknown option $1" >&2 && exit 2 ;;
    esac
    shift 2
done
case $window in
main | rows | menu | tip) caption=Velmora ;;
help) caption=帮助信息 ;;
about) caption=关于 ;;
*) echo "--window must be main, rows, menu, tip, help or about" >&2 && exit 2 ;;
esac

ensure_packages
build_windows x86_64
ensure_display
use_desktop_prefix
start_wineserver
trap 'stop_wineserver; [ -n "${VELMORA_XVFB_PID:-}" ] && kill "$VELMORA_XVFB_PID" 2>/dev/null; true' EXIT

bin=$VELMORA_BUILD/win-x86_64
if [ -z "$screenshot" ]; then
    log "Velmora is running; close its window to end"
    "$WINE64" "$bin/Velmora.exe"
    exit 0
fi

driver() { "$WINE64" "$bin/velmora_driver.exe" "$@" | tr -d '\r'; }

# A small folder of photos and documents to search, with Chinese names.
make_sample_folder() {
    local sample=$WINEPREFIX/drive_c/velmora-sample file
    rm -rf "$sample"
    mkdir -p "$sample/照片/2023" "$sample/文档"
    for file in 照片/2023/海边.jpg 照片/2023/日落.jpg 照片/全家福.png 文档/年度报告.docx 文档/会议记录.txt 说明.txt; do
        head -c $((${#file} * 997)) /dev/zero >"$sample/$file"
        touch -d "2023-07-$((10 + ${#file})) 09:$((10 + ${#file})):00" "$sample/$file"
    done
}

# Moves the real pointer onto the control at X, Y of the main window: tips and
# the context menu follow it.
move_pointer_to() {
    local x y
    read -r x y < <(driver point-at "$1" "$2")
    xdotool mousemove $((x - 20)) "$y" mousemove "$x" "$y"
}

# Brings the running program to the scene.
set_scene() {
    case $window in
    rows | menu)
        make_sample_folder
        driver search 'C:\velmora-sample' '*.*' >/dev/null
        driver tick-rows 0 2 3
        if [ "$window" = menu ]; then
            # The menu opens at the pointer, which only the display can move.
            move_pointer_to 24 112
            driver open-menu
        fi
        ;;
    tip) move_pointer_to 432 12 ;;
    help) driver choose-menu-item 8 ;;
    about) driver choose-menu-item 9 ;;
    esac
}

"$WINE64" "$bin/Velmora.exe" &
program=$!
driver wait-window Velmora >/dev/null
set_scene
read -r left top right bottom < <(driver wait-window "$caption")
# Let the first paint finish before the picture is taken.
driver wait-window "$caption" >/dev/null
if [ "$window" = tip ]; then
    # The picture takes in the tip, which stands partly outside the window.
    read -r tip_left tip_top tip_right tip_bottom < <(driver wait-tip)
    left=$((tip_left < left ? tip_left : left)) top=$((tip_top < top ? tip_top : top))
    right=$((tip_right > right ? tip_right : right)) bottom=$((tip_bottom > bottom ? tip_bottom : bottom))
fi
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$screenshot"
if [ "$window" = menu ]; then driver close-menu; fi
if [ "$caption" != Velmora ]; then driver close "$caption"; fi
driver close Velmora
wait "$program"
log "saved $screenshot"
