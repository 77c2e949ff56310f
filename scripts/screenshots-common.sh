# Sourced by the screenshot scripts: the Windows build, the test display's
# Wine prefix, and the bitmaps the programs write turned into PNGs.
BUILD_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/win"
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

# Builds the screenshot program `$1`, quietly.
build_screenshots() {
  cmake --build "$BUILD_DIR" --target "$1" >/dev/null
}

# Turns every bitmap in folder `$1` into a PNG beside it, the bitmap removed.
bitmaps_to_pngs() {
  for bmp in "$1"/*.bmp; do convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"; done
}
