#!/usr/bin/env bash
# main-window.sh BUILD_DIR PROGRAM SIM_DLL
# Leaves screenshots in BUILD_DIR/e2e. Fails with a reason on the first deviation.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
program="${2:?program}"
sim_dll="${3:?simulated library}"
scripts="$(cd "$(dirname "$0")/../../../scripts" && pwd)"
source "${scripts}/wine-env.sh"
out="${BUILD_DIR}/e2e"
mkdir -p "$out"
rm -f "$out"/*.png "$out/usbir.log"

fail() { echo "e2e: $*" >&2; exit 1; }

# The transceiver goes where the program looks for the device software; it is
# taken away again so that other tests see a prefix without it.
device_dir="${WINEPREFIX}/drive_c/wexdir/ソラミトセンター"
mkdir -p "$device_dir"
cp "$sim_dll" "$device_dir/USBIr.dll"
editor_pid=""
cleanup() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
  rm -f "$device_dir/USBIr.dll"
}
trap cleanup EXIT
export USBIRSIM_LOG="$(winepath -w "$out/usbir.log")"
wine reg delete 'HKCU\SoftWare\Zentorik' /f </dev/null >/dev/null 2>&1 || true

wine "$program" </dev/null >"$out/editor.log" 2>&1 &
editor_pid=$!

wait_for_window() {  # name, seconds
  for _ in $(seq $(($2 * 10))); do
    xdotool search --name "$1" 2>/dev/null | head -n 1 && return 0
    sleep 0.1
  done
  return 1
}
window="$(wait_for_window '^機器操作パネル$' 30)" || fail "the main window did not appear"
sleep 0.5  # first paint
import -window root "$out/started.png"
if xdotool search --name '^警告$' >/dev/null 2>&1; then fail "a warning box appeared at start-up"; fi
grep -q 'USBIrInit' "$out/usbir.log" || fail "the library was not initialised"

# Client coordinates of the controls, offset by the frame Wine draws.
read -r wx wy < <(xdotool getwindowgeometry "$window" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
frame_x=$(( $(xwininfo -id "$window" | awk '/Width/ {print $2}') - 598 ))
frame_y=$(( $(xwininfo -id "$window" | awk '/Height/ {print $2}') - 467 ))
client_x=$(( wx + frame_x / 2 ))
client_y=$(( wy + frame_y - frame_x / 2 ))
click() { xdotool mousemove "$((client_x + $1))" "$((client_y + $2))" click 1; sleep 0.3; }

xdotool keydown Shift_L
click $((47 + 80)) $((434 + 12))   # Button1 with Shift: unlocks, focus to the field
xdotool keyup Shift_L
import -window root "$out/unlocked.png"
xdotool type --delay 100 '07x'
sleep 0.3
click $((376 + 64)) $((368 + 12))  # CancelButton "終了"

for _ in $(seq 100); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$editor_pid" 2>/dev/null && fail "the program did not end after 終了"
editor_pid=""

stored="$(wine reg query 'HKCU\SoftWare\Zentorik\Env' /v RelayPort 2>/dev/null </dev/null | tr -d '\r' | awk '/RelayPort/ {print $2, $3}')"
[ "$stored" = "REG_SZ 7" ] || fail "RelayPort stored as '$stored', expected REG_SZ 7"
grep -q 'USBIrEnd' "$out/usbir.log" || fail "the library was not ended at closing"
wine reg delete 'HKCU\SoftWare\Zentorik' /f </dev/null >/dev/null 2>&1 || true
echo "e2e: started without a message, unlocked with Shift, stored RelayPort 7, library ended; screenshots in $out"
