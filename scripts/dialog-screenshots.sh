#!/usr/bin/env bash
# Pictures of the command dialog with each option group, and with a learned-code
# list that scrolls, as PNGs in build/win/editor, for looking at a change of its
# layout. Needs the Windows build and a running test display (the tests' wine_up).
set -euo pipefail
BUILD_DIR="$(cd "$(dirname "$0")/.." && pwd)/build/win"
source "$(dirname "$0")/wine-env.sh"
cmake --build "$BUILD_DIR" --target editor_screenshots >/dev/null
out="$BUILD_DIR/editor"
mkdir -p "$out"
wine "$BUILD_DIR/tests/win/editor/editor_screenshots.exe" "$(winepath -w "$out")" </dev/null
for bmp in "$out"/*.bmp; do convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"; done
echo "dialog-screenshots: $(ls "$out"/*.png | wc -l) pictures in $out"
