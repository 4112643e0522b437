#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the core
# natively under the sanitizers, the Windows build under Wine, and the whole
# program driven from outside on a virtual display; then makes the release and
# checks it. The 32-bit build is compiled and checked (this
# machine cannot run 32-bit code).
set -uo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages || exit 1
failures=()
native=0
wine=0
e2e=0

# run_ctest NAME DIR: runs a build's tests; sets RESULT to the number that passed.
run_ctest() {
    local name=$1 dir=$2 output
    log "testing $name"
    output=$(ctest --test-dir "$dir" --output-on-failure --timeout 180 2>&1)
    local status=$?
    # Test messages quote the program's GBK texts; show them readably.
    output=$(printf '%s\n' "$output" | iconv -f GBK -t UTF-8 -c)
    printf '%s\n' "$output" | grep -E -v '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|^ *Start +[0-9]+: ' | tail -n 200
    RESULT=$(printf '%s\n' "$output" | sed -n 's/.* tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2 \1/p' |
        awk '{print $1 - $2}')
    ((status == 0)) || failures+=("$name tests")
}

if build_tree native; then
    run_ctest native "$VELMORA_BUILD/native"
    native=${RESULT:-0}
else
    failures+=("native build")
fi

build_windows i686 || failures+=("32-bit build")

if build_windows x86_64; then
    use_wine_prefix tests null
    start_wineserver
    run_ctest "Windows (x64, Wine)" "$VELMORA_BUILD/win-x86_64"
    wine=${RESULT:-0}
    log "end-to-end test on a virtual display"
    output=$("$VELMORA_ROOT/tools/e2e.sh" 2>&1 | tr -d '\r') || failures+=("end-to-end test")
    printf '%s\n' "$output" | tail -n 40
    e2e=$(printf '%s\n' "$output" | sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\.$/\1/p')
    e2e=${e2e:-0}
    log "packaging the release"
    if "$VELMORA_ROOT/tools/package.sh" >/dev/null; then
        "$VELMORA_ROOT/tools/check_release.sh" || failures+=("release checks")
    else
        failures+=("release packaging")
    fi
else
    failures+=("x64 build")
fi

echo
if ((${#failures[@]} == 0)); then
    echo "Velmora: ALL TESTS PASSED ($native native, $wine under Wine, $e2e end-to-end; 32-bit and x64 builds clean; release checked)"
else
    echo "Velmora: FAILED: ${failures[*]} ($native native, $wine under Wine, $e2e end-to-end passed)"
    exit 1
fi
