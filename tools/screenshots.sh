#!/usr/bin/env bash
# Saves a picture of each scene of the program into docs/screenshots, for the
# README and for anyone without a screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/docs/screenshots"
for scene in main rows menu tip help about; do
    "$root/tools/run.sh" --screenshot "$root/docs/screenshots/$scene.png" --window "$scene"
done
