#!/usr/bin/env bash
# recovery-kill.sh BUILD_DIR PROGRAM SIM_DLL
# Unsaved work survives a kill. A panel is edited in the real program (a
# registration, a stamp, a paste taken back by Ctrl+Z and made again by
# Ctrl+Y) and saved: the reference. The same edits again, then the program's
# Wine process is killed with SIGKILL before any save; the next start offers
# the recovery copy, restores it marked unsaved, and saving it writes the
# reference's table and bitmap byte for byte. Screenshots in BUILD_DIR/e2e.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
program="${2:?program}"
source "$(dirname "$0")/e2e-lib.sh"
rm -f "$out"/undo-*.png "$out"/recovery-*.png
reference="$(mktemp -d)"
editing=' - パネル編集'
install_transceiver "${3:?simulated library}"

# Panel A, 3 x 2 buttons of 80 x 60 without commands, opened; then the edits.
edit_panel() {  # [screenshot prefix]
  panel_folders
  mkdir -p "$work"
  printf '\x8b\x40\x8a\xed\x91\x80\x8d\xecA.bmp\r\n80,60,3,2\r\n            \r\n            \r\n\r\n' > "$work/機器操作A.tbl"
  convert -size 240x120 xc:white -type truecolor "BMP3:$work/機器操作A.bmp"
  start_main_window "$program"
  open_first_table
  move_to "$editing" '' 200 90
  click_at "$editing" '' 40 30                        # cell 0: 閉じる, the last kind
  wait_for_control コマンド登録 登録 10
  click_control コマンド登録 100; xdotool key End Return  # the list of kinds (EditCommandIds.h)
  click_control コマンド登録 登録
  wait_for_no_window '^コマンド登録$' 5 || fail "登録 left the dialog open"
  click_at "$editing" '' 200 30 3                     # cell 2: the text TV
  wait_for_focus 文字列入力 '' 10
  xdotool type TV; xdotool key Return
  wait_for_focus "$editing" '' 5
  move_to "$editing" '' 40 30; xdotool key ctrl+c     # cell 0's command onto cell 1
  move_to "$editing" '' 120 30; xdotool key ctrl+v ctrl+z
  if [ -n "${1:-}" ]; then
    shot "$1-status" "$editor"
    xdotool key F10
    shot "$1-menu"
    # The menu is a window of its own beyond the edit window's right edge.
    read -r x y w h < <(xwininfo -id "$editor" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
      /Width/ {w = $2} /Height/ {h = $2} END {print x, y, w, h}')
    mogrify -crop "$((w + 120))x${h}+${x}+${y}" +repage "$out/$1-menu.png"
    xdotool key Escape
  fi
  xdotool key ctrl+y
}
save_and_close() {
  click_control "$editing" 保存
  answer_box 注意 n                                   # クロヴァンに反映させますか? No
  [ -z "$(ls -A "$work/復元用" 2>/dev/null)" ] || fail "saving left a recovery copy"
  click_control "$editing" キャンセル
  wait_for_no_window "$editing\$" 5 || fail "キャンセル after saving asked or stayed open"
}

edit_panel undo
save_and_close
cp "$work/機器操作A.tbl" "$work/機器操作A.bmp" "$reference/"
quit_editor

edit_panel
touch "$out/.edited"  # killed once the copy is newer than the last edit
for _ in $(seq 100); do
  manifest="$(ls "$work"/復元用/*/manifest.txt 2>/dev/null | head -n 1)" || true
  [ -n "$manifest" ] && [ "$manifest" -nt "$out/.edited" ] && break
  sleep 0.1
done
[ -n "$manifest" ] && [ "$manifest" -nt "$out/.edited" ] || fail "no recovery copy after the edits"
cmp -s "$reference/機器操作A.tbl" "$work/機器操作A.tbl" && fail "the table was saved before the kill"
kill -KILL "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
wait_for_no_window "$editing\$" 10 || fail "the edit window outlived its process"

start_editor "$program"
question="$(wait_for_window '^注意$' 30)" || fail "the start did not offer the recovery copy"
wait_for_focus 注意 '' 5
shot recovery-question "$question"
answer_box 注意 Return                                # Yes
wait_for_window "機器操作A.tbl \\* - パネル編集\$" 10 >/dev/null || fail "the restored panel is not marked unsaved"
wait_for_focus "$editing" '' 5
save_and_close
for file in 機器操作A.tbl 機器操作A.bmp; do
  cmp "$reference/$file" "$work/$file" || fail "the restored $file differs from what saving the edits wrote"
done
quit_editor
rm -rf "$reference" "$out/.edited"
echo "e2e: killed with unsaved edits, restored at the next start and saved byte for byte as the edits saved"
