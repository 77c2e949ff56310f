#!/usr/bin/env bash
# panel-road.sh BUILD_DIR PROGRAM SIM_DLL RELAY_LOG RELAY_PORT
# The whole road of a panel in the real program: create it, give one button of
# each kind its command (learning through the simulated transceiver, testing a
# relay through the simulated relay unit), stamp a text, save and publish,
# reopen it from the list. The files in both folders are then compared byte for
# byte with what the run entered. Screenshots are left in BUILD_DIR/e2e.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
program="${2:?program}"
sim_dll="${3:?simulated library}"
relay_log="${4:?relay log}"
relay_port="${5:?relay COM port}"
source "$(dirname "$0")/e2e-lib.sh"
rm -f "$out"/road-*.png "$out/road-usbir.log"

panel_folders
signal=00112233445566778899AABBCCDDEEFF00112233
export USBIRSIM_SIGNAL=$signal USBIRSIM_DELAY_MS=1000  # long enough to photograph the waiting dialog
use_simulated_devices "$sim_dll" "$relay_port" "$relay_log" "$out/road-usbir.log"
start_main_window "$program"

# 新規作成: the focus starts in the identifier field.
xdotool type --delay 80 'A'
xdotool key Tab; xdotool type '3'; xdotool key Tab; xdotool type '2'
xdotool key Tab; xdotool type '80'; xdotool key Tab; xdotool type '60'
shot road-new-panel
click_control 機器操作パネル 作成
wait_for_window '^注意$' 10 >/dev/null || fail "no question after 作成"
shot road-create-question
answer_box 注意 Return                          # これで作成しても良いですか? Yes

editor="$(wait_for_window ' - パネル編集$' 10)" || fail "the edit window did not open"
wait_for_control ' - パネル編集' 保存 5

# Cells are no controls: they are reached at their place in the edit window.
command_dialog() {  # cell x, y: hover from elsewhere, click, wait for the dialog
  move_to ' - パネル編集' '' 239 119
  click_at ' - パネル編集' '' "$1" "$2"
  dialog="$(wait_for_window '^コマンド登録$' 10)" || fail "no command dialog for the cell at $1,$2"
  wait_for_control コマンド登録 登録 5
}
# The dialog's own controls and those of its groups, by id (EditCommandIds.h and each group's).
kind_list=100 relay_number=301 relay_test=303 panel_name=201 external_command=501
choose_kind() {  # index in the list, caption of the group it shows
  click_control コマンド登録 $kind_list
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  [ -z "${2:-}" ] || wait_for_control コマンド登録 "$2" 5
}
register() { click_control コマンド登録 登録; wait_for_no_window '^コマンド登録$' 5 || fail "登録 left the dialog open"; }

command_dialog 40 30          # cell 0: relay 7, on for one second, tested first
choose_kind 1 リレーオプション
click_control コマンド登録 $relay_number; xdotool key End BackSpace BackSpace; xdotool type '7'
shot road-relay "$dialog"
click_control コマンド登録 $relay_test
register

command_dialog 120 30         # cell 1: a learned code
choose_kind 2 学習リモコンオプション
click_control コマンド登録 リモコン学習追加
learning="$(wait_for_window '^リモコン学習中$' 5)" || fail "the learning dialog did not open"
shot road-learning "$dialog" "$learning"
wait_for_no_window '^リモコン学習中$' 10 || fail "learning did not end"
shot road-learned "$dialog"
register

command_dialog 200 30         # cell 2: switch to panel B
choose_kind 3 パネル切替オプション
click_control コマンド登録 $panel_name; xdotool type 'B'
shot road-panel-switch "$dialog"
register

command_dialog 40 90          # cell 3: an external program
choose_kind 4 外部プログラム実行
click_control コマンド登録 $external_command; xdotool type 'notepad.exe'
shot road-external "$dialog"
register

command_dialog 120 90         # cell 4: close
choose_kind 5
register

move_to ' - パネル編集' '' 40 30
click_at ' - パネル編集' '' 200 90 3  # cell 5: stamp "TV"
input="$(wait_for_window '^文字列入力$' 10)" || fail "no string input"
wait_for_control 文字列入力 OK 5
xdotool type 'TV'
shot road-string-input "$editor" "$input"
xdotool key Return
wait_for_no_window '^文字列入力$' 5 || fail "Enter left the string input open"
move_to ' - パネル編集' '' 120 90  # the red frame back, on cell 4
shot road-edit-window "$editor"
click_control ' - パネル編集' 保存して終了
question="$(wait_for_window '^注意$' 10)" || fail "no publishing question"
shot road-publish-question "$editor" "$question"
answer_box 注意 Return                  # クロヴァンに反映させますか? Yes
# Panel B does not exist yet: the check before publishing says so.
check="$(wait_for_window '^公開前の確認$' 10)" || fail "no check before publishing"
shot road-publish-check "$check"
xdotool key shift+Tab space     # 公開する
wait_for_no_window ' - パネル編集$' 10 || fail "保存して終了 left the edit window open"

# 既存ファイル: reopen it from the list.
open_first_table road-existing
shot road-reopened
click_control ' - パネル編集' キャンセル  # nothing changed, no question
wait_for_no_window ' - パネル編集$' 5 || fail "キャンセル asked or stayed open"

# What the run entered, byte for byte (Shift-JIS, CR LF).
code="    1.50,  120.25,$signal"
expected="$(mktemp)"
{
  printf '\x8b\x40\x8a\xed\x91\x80\x8d\xecA.bmp\r\n80,60,3,2\r\n'
  printf 'X7 &01  GB  \r\nR0  Q       \r\n\r\n'
  printf '<\x83\x5c\x83\x89\x83\x7e\x83\x67\x83\x8a\x83\x82\x83\x52\x83\x93\x83\x66\x81\x5b\x83\x5e>\r\n'
  printf "    01='\r\n    01=\t%s\r\n\r\n<END>\r\n\r\n" "$code"
  printf '<\x8a\x4f\x95\x94\x83\x52\x83\x7d\x83\x93\x83\x68>\r\n0=notepad.exe\r\n<END>\r\n\r\n'
} > "$expected"
cmp "$expected" "$work/機器操作A.tbl" || fail "the saved table differs from what was entered (expected $expected)"
cmp "$work/機器操作A.tbl" "$host/機器操作A.tbl" || fail "the published table differs"
cmp "$work/機器操作A.bmp" "$host/機器操作A.bmp" || fail "the published bitmap differs"
rm -f "$expected"
# The bitmap: 240 x 120, and the stamp inside cell 5 (the crop leaves out its grid frame).
size="$(identify -format '%wx%h' "$work/機器操作A.bmp")"
[ "$size" = 240x120 ] || fail "the bitmap is $size"
mean="$(convert "$work/機器操作A.bmp" -crop 76x56+162+62 +repage -format '%[fx:mean]' info:)"
awk -v m="$mean" 'BEGIN { exit !(m < 0.999) }' || fail "no stamped text in cell 5"

grep -q "byte=39 kind=pulse relay=7" "$relay_log" || fail "the relay test did not reach the relay unit"
grep -c 'USBIrStartReceive' "$out/road-usbir.log" | grep -qx 1 || fail "learning did not start receive once"

# 新規作成 again: the bitmap name follows the identifier until edited by hand, a
# table's name is refused, and a bitmap in use is named in a question Enter answers No.
identifier=200 bitmap_name=201  # the fields of the 新規作成 tab (NewPanelTab)
retype() {  # field; what is typed over its text
  click_control 機器操作パネル "$1"; xdotool key End shift+Home BackSpace; [ -z "$2" ] || xdotool type "$2"
}
create() { click_control 機器操作パネル 作成; }
close_new() {  # キャンセル in the new panel's edit window
  wait_for_window ' - パネル編集$' 10 >/dev/null || fail "the new panel did not open"
  wait_for_control ' - パネル編集' キャンセル 5
  click_control ' - パネル編集' キャンセル
  wait_for_no_window ' - パネル編集$' 5 || fail "the new panel did not close"
}
first_line() { head -n 1 "$work/機器操作$1.tbl" | iconv -f SHIFT_JIS -t UTF-8 | tr -d '\r'; }
click_at 機器操作パネル $tabs 30 10  # the tab item, no control of its own
# Back to the identifier by key: a second click on it so soon would be a double click.
retype $identifier A; xdotool key Tab shift+Tab End BackSpace; xdotool type B; xdotool key Tab
shot road-new-follows "$main"
create; answer_box 注意 Return; close_new  # これで作成しても良いですか? Yes
[ "$(first_line B)" = 機器操作B.bmp ] && [ -f "$work/機器操作B.bmp" ] || fail "panel B has not its own bitmap"
retype $identifier C; xdotool key Tab; retype $bitmap_name x.TBL; create
box="$(wait_for_window '^警告$' 10)" || fail "a table's name as the bitmap was not refused"
wait_for_focus 警告 '' 5; shot road-new-table-name "$main" "$box"; answer_box 警告 Return
if [ -e "$work/x.TBL" ] || [ -e "$work/機器操作C.tbl" ]; then fail "the refused name wrote a file"; fi
retype $bitmap_name ''; retype $identifier C; xdotool key Tab  # emptied, the field takes C's name again
click_control 機器操作パネル $bitmap_name; xdotool key End Left Left Left Left BackSpace; xdotool type B  # B's by hand
cp "$work/機器操作B.bmp" "$out/road-b.bmp"; create
question="$(wait_for_window '^注意$' 10)" || fail "no question about the bitmap in use"
wait_for_focus 注意 '' 5; shot road-new-bitmap-question "$main" "$question"
answer_box 注意 Return                          # No
wait_for_focus '' OK 5; xdotool key Return; close_new  # ＢＭＰファイルはすでにあるので作りません, a box without a caption
[ "$(first_line C)" = 機器操作B.bmp ] && cmp -s "$work/機器操作B.bmp" "$out/road-b.bmp" || fail "C did not keep B's bitmap"
rm -f "$out/road-b.bmp"

quit_editor
echo "e2e: panel A created, registered, stamped, saved, published and reopened as entered; B's bitmap name followed, C kept B's"
