#!/usr/bin/env bash
# Builds the release into dist/: Velmora.exe for 32-bit x86 and for x64, each
# also as a portable zip with a short readme in Chinese.
set -euo pipefail
source "$(dirname "$0")/common.sh"

VERSION=1.0
DIST=$VELMORA_ROOT/dist

ensure_packages
rm -rf "$DIST"
mkdir -p "$DIST"
for pair in i686:x86 x86_64:x64; do
    arch=${pair%%:*}
    label=${pair##*:}
    name=Velmora-$VERSION-$label
    build_tree "release-$arch" -DCMAKE_TOOLCHAIN_FILE="$VELMORA_ROOT/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF
    mkdir -p "$DIST/$name"
    "$arch-w64-mingw32-strip" -o "$DIST/$name/Velmora.exe" "$VELMORA_BUILD/release-$arch/Velmora.exe"
    cp "$VELMORA_ROOT/tools/package/README.txt" "$DIST/$name/README.txt"
    # Fixed file times, so that the same program gives the same zip.
    touch -d "2026-01-01 00:00:00" "$DIST/$name" "$DIST/$name"/*
    (cd "$DIST" && zip -q -X -r "$name.zip" "$name")
done
log "release in $DIST:"
ls -l "$DIST"
