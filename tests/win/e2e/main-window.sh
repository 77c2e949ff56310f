#!/usr/bin/env bash
# main-window.sh BUILD_DIR PROGRAM SIM_DLL
# Leaves screenshots in BUILD_DIR/e2e. Fails with a reason on the first deviation.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
program="${2:?program}"
sim_dll="${3:?simulated library}"
source "$(dirname "$0")/e2e-lib.sh"
rm -f "$out/started.png" "$out/unlocked.png" "$out/usbir.log"

install_transceiver "$sim_dll"
export USBIRSIM_LOG="$(winepath -w "$out/usbir.log")"
wine reg delete 'HKCU\SoftWare\Zentorik' /f </dev/null >/dev/null 2>&1 || true

start_editor "$program"
window="$(wait_for_window '^機器操作パネル$' 30)" || fail "the main window did not appear"
settle  # the first paint
import -window root "$out/started.png"
if xdotool search --name '^警告$' >/dev/null 2>&1; then fail "a warning box appeared at start-up"; fi
grep -q 'USBIrInit' "$out/usbir.log" || fail "the library was not initialised"

xdotool keydown Shift_L
click_control 機器操作パネル '設定変更　SHIFTを押しながら'  # with Shift: unlocks, focus to the field
xdotool keyup Shift_L
wait_for_control 機器操作パネル 設定ロック 5
settle
import -window root "$out/unlocked.png"
xdotool type --delay 100 '07x'
click_control 機器操作パネル 終了

for _ in $(seq 100); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$editor_pid" 2>/dev/null && fail "the program did not end after 終了"
editor_pid=""

stored="$(wine reg query 'HKCU\SoftWare\Zentorik\Env' /v RelayPort 2>/dev/null </dev/null | tr -d '\r' | awk '/RelayPort/ {print $2, $3}')"
[ "$stored" = "REG_SZ 7" ] || fail "RelayPort stored as '$stored', expected REG_SZ 7"
grep -q 'USBIrEnd' "$out/usbir.log" || fail "the library was not ended at closing"
wine reg delete 'HKCU\SoftWare\Zentorik' /f </dev/null >/dev/null 2>&1 || true
echo "e2e: started without a message, unlocked with Shift, stored RelayPort 7, library ended; screenshots in $out"
