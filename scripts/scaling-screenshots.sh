#!/usr/bin/env bash
# Pictures of the main window, the edit window and the command dialog at 96 and
# at 144 dpi (Wine's LogPixels), and of the edit window and the dialog in a
# high-contrast theme, as PNGs in build/win/scaling, for looking at a change of
# their layout or colours. Needs the Windows build and a running test display
# (the tests' wine_up); the prefix is left at 96 dpi.
set -euo pipefail
source "$(dirname "$0")/screenshots-common.sh"
build_screenshots scaling_screenshots
out="$BUILD_DIR/scaling"
rm -rf "$out"
mkdir -p "$out"
program="$BUILD_DIR/tests/win/paneledit/scaling_screenshots.exe"
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
}
trap 'set_dpi 96' EXIT
set_dpi 96
wine "$program" "$(winepath -w "$out")" dpi96 </dev/null
wine "$program" "$(winepath -w "$out")" contrast contrast </dev/null
set_dpi 144
wine "$program" "$(winepath -w "$out")" dpi144 </dev/null
bitmaps_to_pngs "$out"
rm -f "$out"/*.tbl "$out"/scaling.png
echo "scaling-screenshots: $(ls "$out"/*.png | wc -l) pictures in $out"
