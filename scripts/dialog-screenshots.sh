#!/usr/bin/env bash
# Pictures of the command dialog with each option group, and with a learned-code
# list that scrolls, as PNGs in build/win/editor, for looking at a change of its
# layout. Needs the Windows build and a running test display (the tests' wine_up).
set -euo pipefail
source "$(dirname "$0")/screenshots-common.sh"
build_screenshots editor_screenshots
out="$BUILD_DIR/editor"
mkdir -p "$out"
wine "$BUILD_DIR/tests/win/editor/editor_screenshots.exe" "$(winepath -w "$out")" </dev/null
bitmaps_to_pngs "$out"
echo "dialog-screenshots: $(ls "$out"/*.png | wc -l) pictures in $out"
