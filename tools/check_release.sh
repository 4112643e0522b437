#!/usr/bin/env bash
# Checks the release in dist/ (made by tools/package.sh): each Velmora.exe is
# built for its machine and imports only system DLLs, each zip holds that exe
# and the readme, and the x64 exe taken from its zip starts under Wine and
# closes with exit code 0. Needs the x64 test build (for the driver) and a
# running Wine server for the test prefix.
set -uo pipefail
source "$(dirname "$0")/common.sh"

DIST=$VELMORA_ROOT/dist
SYSTEM_DLLS="kernel32.dll user32.dll gdi32.dll comctl32.dll shell32.dll shlwapi.dll ole32.dll advapi32.dll msvcrt.dll"
problems=0

fail() {
    echo "release check failed: $*" >&2
    problems=$((problems + 1))
}

check_exe() {
    local exe=$1 arch=$2 format=$3 dll
    [[ $(LC_ALL=C "$arch-w64-mingw32-objdump" -f "$exe") == *"file format $format"* ]] || fail "$exe is not $format"
    for dll in $(LC_ALL=C "$arch-w64-mingw32-objdump" -p "$exe" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z'); do
        [[ " $SYSTEM_DLLS " == *" $dll "* ]] || fail "$exe imports $dll, which is not a system DLL"
    done
}

check_zip() {
    local name=$1 unpacked=$2
    unzip -q -o "$DIST/$name.zip" -d "$unpacked" || fail "$name.zip cannot be unpacked"
    cmp -s "$unpacked/$name/Velmora.exe" "$DIST/$name/Velmora.exe" || fail "$name.zip does not hold $name/Velmora.exe"
    [ -s "$unpacked/$name/README.txt" ] || fail "$name.zip has no README.txt"
}

# Starts the exe, waits for its main window, closes it with Esc as a user
# would, and expects exit code 0.
check_starts() {
    local exe=$1 driver=$VELMORA_BUILD/win-x86_64/velmora_driver.exe status
    "$WINE64" "$exe" &
    local program=$!
    if "$WINE64" "$driver" wait-window Velmora 30000 >/dev/null; then
        "$WINE64" "$driver" press-esc Velmora
    else
        fail "$exe showed no main window"
        kill "$program" 2>/dev/null
    fi
    wait "$program"
    status=$?
    ((status == 0)) || fail "$exe ended with exit code $status"
}

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
check_exe "$DIST/Velmora-1.0-x86/Velmora.exe" i686 pei-i386
check_exe "$DIST/Velmora-1.0-x64/Velmora.exe" x86_64 pei-x86-64
check_zip Velmora-1.0-x86 "$unpacked"
check_zip Velmora-1.0-x64 "$unpacked"
check_starts "$unpacked/Velmora-1.0-x64/Velmora.exe"
((problems == 0)) && echo "release checks passed"
exit $((problems > 0))
