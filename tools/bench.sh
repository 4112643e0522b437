#!/usr/bin/env bash
# Builds the x64 program and runs every benchmark under Wine, printing the
# ratios each one measures side by side.
#   tools/bench.sh            all benchmarks
#   tools/bench.sh NAME...    only these (e.g. result_list_bench)
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages
build_windows x86_64
use_wine_prefix tests null
start_wineserver

bin=$VELMORA_BUILD/win-x86_64
names=("$@")
if ((${#names[@]} == 0)); then
    for exe in "$bin"/*_bench.exe; do names+=("$(basename "$exe" .exe)"); done
fi
for name in "${names[@]}"; do
    log "$name"
    "$WINE64" "$bin/$name.exe"
done
