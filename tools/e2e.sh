#!/usr/bin/env bash
# Runs the end-to-end test: Velmora started as its own process under Wine on a
# (virtual) display, driven only through its windows. When a check fails, a
# picture of the screen at that moment is saved to build/e2e-failure.png.
# Needs the x64 build (tools/test.sh makes it).
set -uo pipefail
source "$(dirname "$0")/common.sh"

ensure_display || exit 1
use_desktop_prefix
start_wineserver
trap 'stop_wineserver; [ -n "${VELMORA_XVFB_PID:-}" ] && kill "$VELMORA_XVFB_PID" 2>/dev/null; true' EXIT

shots=$(mktemp -d)
export VELMORA_E2E_SHOTS
VELMORA_E2E_SHOTS=$("$WINE64" winepath -w "$shots" 2>/dev/null | tr -d '\r')
export WINEDEBUG=-all
picture=$VELMORA_BUILD/e2e-failure.png
rm -f "$picture"

# The program's texts are GBK; show them readably.
"$WINE64" "$VELMORA_BUILD/win-x86_64/velmora_e2e.exe" > >(iconv -f GBK -t UTF-8 -c) 2>&1 &
e2e=$!
# The test says when a check has failed; the screen is taken then, while
# every window still stands as it was.
while kill -0 "$e2e" 2>/dev/null; do
    if [ -f "$shots/failed" ] && [ ! -f "$shots/shot" ]; then
        import -window root "$picture"
        touch "$shots/shot"
    fi
    sleep 0.2
done
wait "$e2e"
status=$?
rm -rf "$shots"
if ((status != 0)) && [ -f "$picture" ]; then
    echo "end-to-end test failed; the screen at the first failure: $picture" >&2
fi
exit "$status"
