# Shared by the run and test commands: installing what is missing, building,
# and the Wine prefixes the Windows build runs in. Source it; do not run it.

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELMORA_BUILD=${VELMORA_BUILD:-$VELMORA_ROOT/build}
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
JOBS=$(nproc 2>/dev/null || echo 2)

VELMORA_PACKAGES=(
    cmake make g++ googletest
    g++-mingw-w64-i686 g++-mingw-w64-x86-64
    wine wine64
    xvfb x11-utils xdotool imagemagick fonts-wqy-zenhei fonts-wqy-microhei
    locales python3 zip unzip
)

log() { printf '\n== %s\n' "$*"; }

# Installs the Debian packages that are not there yet, and the Chinese locale.
ensure_packages() {
    local missing=()
    for package in "${VELMORA_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    if ((${#missing[@]})); then
        log "installing ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
    if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
        log "generating the zh_CN.UTF-8 locale"
        sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
        locale-gen >/dev/null
    fi
}

# build_tree NAME [cmake options...]: configures and builds build/NAME.
build_tree() {
    local name=$1
    shift
    local logfile=$VELMORA_BUILD/$name.log
    log "building $name"
    mkdir -p "$VELMORA_BUILD"
    if ! { cmake -S "$VELMORA_ROOT" -B "$VELMORA_BUILD/$name" "$@" &&
        cmake --build "$VELMORA_BUILD/$name" -j "$JOBS"; } >"$logfile" 2>&1; then
        grep -E -A5 'error|Error' "$logfile" | head -n 60 >&2
        echo "building $name failed; the whole log is $logfile" >&2
        return 1
    fi
}

build_windows() {
    local arch=$1
    shift
    build_tree "win-$arch" -DCMAKE_TOOLCHAIN_FILE="$VELMORA_ROOT/cmake/mingw-$arch.cmake" "$@"
}

# use_wine_prefix NAME DRIVER: exports the Wine environment for the prefix
# build/wine/NAME, creating it on first use. DRIVER is "null" for windows
# without any display, or "x11".
use_wine_prefix() {
    local name=$1 driver=$2
    export WINEPREFIX=$VELMORA_BUILD/wine/$name
    export WINEARCH=win64
    export WINEDEBUG=-all
    export LC_ALL=zh_CN.UTF-8
    export WINEDLLOVERRIDES="mscoree=;mshtml="
    if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
        log "creating the Wine prefix $name"
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        "$WINE64" wineboot -i >/dev/null 2>&1
        if [ "$driver" = null ]; then
            "$WINE64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        fi
        # The Chinese Windows faces are not installed; draw them with a
        # Chinese face that renders well at small sizes.
        local face
        for face in SimSun 宋体 "MS Shell Dlg" "MS Shell Dlg 2" Tahoma "Microsoft Sans Serif" "MS Sans Serif"; do
            "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "WenQuanYi Micro Hei" /f \
                >/dev/null 2>&1
        done
        # The folder browser starts at the Desktop, which Wine links to $HOME:
        # keep every user folder inside the prefix.
        local folder
        for folder in "$WINEPREFIX"/drive_c/users/*/*; do
            if [ -L "$folder" ]; then
                rm "$folder"
                mkdir -p "$folder"
            fi
        done
        "$WINESERVER" -w
        touch "$WINEPREFIX/.velmora-ready"
    fi
}

# The prefix for windows on a display: every program of it opens inside one
# Wine virtual desktop, so that windows have title bars.
use_desktop_prefix() {
    use_wine_prefix desktop x11
    [ -f "$WINEPREFIX/.velmora-desktop" ] && return
    # Every program of this prefix opens inside one virtual desktop.
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Velmora /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Velmora /d 1024x768 /f >/dev/null 2>&1
    # Fonts with an empty face name fall back to Arial: draw them with the same
    # Chinese face as the others (else the system picks a face whose small
    # bitmaps drop strokes), and smooth the text as a Windows desktop does.
    "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /d 2 /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 1 /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.velmora-desktop"
}

# A persistent server makes each later Wine start fast; stopped on exit.
start_wineserver() {
    "$WINESERVER" -p 2>/dev/null || true  # a server already running for the prefix is used as it is
    "$WINE64" wineboot >/dev/null 2>&1
    trap stop_wineserver EXIT
}

stop_wineserver() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
}

# Starts a virtual X display when there is none; sets DISPLAY. Xvfb picks a
# free display number itself and writes it once it accepts connections, so a
# display already running elsewhere (another container, another run) is never
# taken over.
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    VELMORA_XVFB_PID=$!
    for _ in $(seq 100); do
        if [ -s "$number_file" ]; then
            export DISPLAY=":$(tr -d '[:space:]' < "$number_file")"
            rm -f "$number_file"
            xdpyinfo >/dev/null 2>&1 && return
            break
        fi
        sleep 0.1
    done
    rm -f "$number_file"
    echo "the virtual display did not start" >&2
    return 1
}
