#!/usr/bin/env bash
# panel-set.sh BUILD_DIR PROGRAM SIM_DLL
# The パネル一覧 window of the real program over four panels: A, B and C
# published as they are, D never; B switches to a panel Z that does not
# exist. Its picture, and that of the set's check, are left in BUILD_DIR/e2e.
# Then D is opened from the map and published alone, being the one ticked.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
program="${2:?program}"
sim_dll="${3:?simulated library}"
source "$(dirname "$0")/e2e-lib.sh"
rm -f "$out"/panel-set*.png

panel_folders
mkdir -p "$work"
# A panel of 3 x 2 buttons of 80 x 60: its first row's codes, a picture in its colours.
panel() {  # identifier, first row, background, foreground
  printf '\x8b\x40\x8a\xed\x91\x80\x8d\xec%s.bmp\r\n80,60,3,2\r\n%s\r\n            \r\n\r\n' "$1" "$2" > "$work/機器操作$1.tbl"
  printf '<\x83\x5c\x83\x89\x83\x7e\x83\x67\x83\x8a\x83\x82\x83\x52\x83\x93\x83\x66\x81\x5b\x83\x5e>\r\n<END>\r\n\r\n' \
    >> "$work/機器操作$1.tbl"
  printf '<\x8a\x4f\x95\x94\x83\x52\x83\x7d\x83\x93\x83\x68>\r\n<END>\r\n' >> "$work/機器操作$1.tbl"
  convert -size 240x120 "xc:$3" -fill "$4" -draw 'rectangle 8,8 72,52' -draw 'rectangle 88,8 152,52' \
    -draw 'circle 200,30 200,50' -type truecolor "BMP3:$work/機器操作$1.bmp"
}
panel A 'GB  GC  Q   ' '#dbeaff' '#3a6fc4'
panel B 'GA  GZ  Q   ' '#fff0d6' '#d08a1e'
panel C 'GD  GA  Q   ' '#e0f5e0' '#3f9a4a'
panel D 'GA  Q       ' '#f3e3f5' '#8c4a9c'
for id in A B C; do cp "$work/機器操作$id.tbl" "$work/機器操作$id.bmp" "$host/"; done

install_transceiver "$sim_dll"
start_main_window "$program"
click_control 機器操作パネル 'パネル一覧(&L)...'
view="$(wait_for_window '^パネル一覧$' 10)" || fail "no パネル一覧 window"
wait_for_focus パネル一覧 '' 5
shot panel-set "$view"

click_control パネル一覧 'まとめて確認(&K)'
wait_for_focus '' OK 5                                # a box without a caption, over the window
shot panel-set-check "$view"
xdotool key Return
wait_for_focus パネル一覧 '' 5
[ ! -e "$host/機器操作D.tbl" ] || fail "looking published D"

# From the keyboard: the first arrow marks A, three more reach D, the fourth
# box of the map, and Enter opens it in the edit window as 開く does.
wait_for_focus パネル一覧 100 5
xdotool key Right Right Right Right
shot panel-set-keys "$view"
xdotool key Return
wait_for_window 'D\.tbl - パネル編集$' 10 >/dev/null || fail "Enter did not open D"
wait_for_focus ' - パネル編集' '' 5
click_control ' - パネル編集' キャンセル
wait_for_no_window ' - パネル編集$' 5 || fail "キャンセル left the edit window open"

# Space unticks D, the only panel ticked; after the step the map is read
# anew and D, still unpublished, is ticked again.
wait_for_focus パネル一覧 100 5
xdotool key space
click_control パネル一覧 'チェックしたパネルを公開(&P)'
wait_for_focus '' OK 5                                # クロヴァンに反映するパネルがありません。
xdotool key Return
wait_for_focus パネル一覧 100 5                      # back on the map

# Only D is ticked: it alone goes to the host, in one step.
click_control パネル一覧 'チェックしたパネルを公開(&P)'
answer_box 注意 Return                                # まとめて反映させますか? Yes
wait_for_focus '' OK 5                                # クロヴァンに反映しました。
xdotool key Return
for id in A B C D; do
  cmp "$work/機器操作$id.tbl" "$host/機器操作$id.tbl" || fail "$id differs in the host folder"
  cmp "$work/機器操作$id.bmp" "$host/機器操作$id.bmp" || fail "$id's bitmap differs in the host folder"
done
wait_for_focus パネル一覧 '' 5
xdotool key Escape
wait_for_gone "$view" 5 || fail "Esc left the パネル一覧 window open"
quit_editor
echo "e2e: panel set shown"
