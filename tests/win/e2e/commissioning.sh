#!/usr/bin/env bash
# commissioning.sh BUILD_DIR PROGRAM SIM_DLL RELAY_LOG RELAY_PORT
# A commissioning run in the real program, by keyboard: a stored panel with one
# button of each kind is opened, F5 tries every button (the relay through the
# simulated unit, the learned code through the simulated transceiver) and the
# answers are given; the sheet it saves is then printed by a browser.
# Screenshots and the printed sheet are left in BUILD_DIR/e2e.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
program="${2:?program}"
sim_dll="${3:?simulated library}"
relay_log="${4:?relay log}"
relay_port="${5:?relay COM port}"
source "$(dirname "$0")/e2e-lib.sh"
rm -f "$out"/commissioning-*.png "$out"/commissioning-*.pdf "$out/commissioning-usbir.log"

panel_folders
mkdir -p "$work"
code="    1.50,  120.25,00112233445566778899AABBCCDDEEFF00112233"
# Relay 7 for a second, a learned code, a switch to panel B, a program, 閉じる.
{
  printf '\x8b\x40\x8a\xed\x91\x80\x8d\xecA.bmp\r\n80,60,3,2\r\n'
  printf 'X7 &01  GB  \r\nR0  Q       \r\n\r\n'
  printf '<\x83\x5c\x83\x89\x83\x7e\x83\x67\x83\x8a\x83\x82\x83\x52\x83\x93\x83\x66\x81\x5b\x83\x5e>\r\n'
  printf "    01='TV\r\n    01=\t%s\r\n\r\n<END>\r\n\r\n" "$code"
  printf '<\x8a\x4f\x95\x94\x83\x52\x83\x7d\x83\x93\x83\x68>\r\n0=notepad.exe\r\n<END>\r\n\r\n'
} > "$work/機器操作A.tbl"
convert -size 240x120 xc:white -fill none -stroke black \
  -draw 'rectangle 0,0 79,59' -draw 'rectangle 80,0 159,59' -draw 'rectangle 160,0 239,59' \
  -draw 'rectangle 0,60 79,119' -draw 'rectangle 80,60 159,119' -draw 'rectangle 160,60 239,119' \
  -type TrueColor "BMP3:$work/機器操作A.bmp"

use_simulated_devices "$sim_dll" "$relay_port" "$relay_log" "$out/commissioning-usbir.log"
start_main_window "$program"
open_first_table

xdotool key F5
answers=0
while question="$(wait_for_window '^動作確認$' 5)"; do
  wait_for_focus 動作確認 動いた 5
  if ((answers == 1)); then  # the learned code: framed on the panel, answered with a note
    shot commissioning-question
    xdotool key Tab Tab Tab; xdotool type 'too far'   # 動いた -> 動かない -> 飛ばす -> メモ
    xdotool key shift+Tab shift+Tab Return        # 動かない
  else
    xdotool key Return                            # 動いた, where the focus starts
  fi
  answers=$((answers + 1))
  wait_for_gone "$question" 5 || fail "answer $answers left the question open"
  ((answers < 10)) || fail "more questions than buttons"
done
((answers == 5)) || fail "$answers questions for five buttons with a command"
answer_box 注意 n  # ブラウザで開きますか? No
wait_for_focus ' - パネル編集' '' 5
xdotool key Escape
wait_for_no_window ' - パネル編集$' 5 || fail "Esc left the edit window open"

sheet="$(ls "$work"/機器操作A_動作確認_*.html)" || fail "no sheet saved beside the table"
grep -q 'too far' "$sheet" || fail "the note is not on the sheet"
grep -q "byte=39 kind=pulse relay=7" "$relay_log" || fail "the relay was not tried"
grep -q 'USBIrEmitData' "$out/commissioning-usbir.log" || fail "the learned code was not sent"

# As a browser prints it: the first page as a picture.
chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --no-pdf-header-footer \
  --print-to-pdf="$out/commissioning-sheet.pdf" "file://$sheet" >/dev/null 2>&1 || fail "the browser did not print the sheet"
pdftoppm -png -r 60 -f 1 -l 1 "$out/commissioning-sheet.pdf" "$out/commissioning-sheet"
quit_editor
echo "e2e: a commissioning run by keyboard tried five buttons; the sheet was saved and printed"
