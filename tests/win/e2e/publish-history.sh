#!/usr/bin/env bash
# publish-history.sh BUILD_DIR PROGRAM SIM_DLL
# Publishing with its history in the real program: a panel with two findings
# is published anyway, changed and published again; the first version is put
# back from the 既存ファイル tab and the host folder compared byte for byte
# with it. Then the panel is duplicated and the copy deleted, the host folder
# untouched. Screenshots are left in BUILD_DIR/e2e.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
program="${2:?program}"
sim_dll="${3:?simulated library}"
source "$(dirname "$0")/e2e-lib.sh"
rm -f "$out"/history-*.png "$out"/manage-*.png

panel_folders
first="$(mktemp -d)"
mkdir -p "$work"

# Panel A, 3 x 2 buttons of 80 x 60: a switch to panel B, which exists
# nowhere, and a program that is not there: two findings.
printf '\x8b\x40\x8a\xed\x91\x80\x8d\xecA.bmp\r\n80,60,3,2\r\nGB  R0      \r\n            \r\n\r\n' > "$work/機器操作A.tbl"
printf '<\x83\x5c\x83\x89\x83\x7e\x83\x67\x83\x8a\x83\x82\x83\x52\x83\x93\x83\x66\x81\x5b\x83\x5e>\r\n<END>\r\n\r\n' \
  >> "$work/機器操作A.tbl"
printf '<\x8a\x4f\x95\x94\x83\x52\x83\x7d\x83\x93\x83\x68>\r\n0=c:\\nothere\\tool.exe\r\n<END>\r\n' >> "$work/機器操作A.tbl"
convert -size 240x120 xc:white -type truecolor "BMP3:$work/機器操作A.bmp"

install_transceiver "$sim_dll"
start_main_window "$program"
select_first_table  # 機器操作A.tbl, the only table

# Opens A, optionally stamps a text, saves and publishes it despite the findings.
publish() {  # stamp text or "", screenshot name or ""
  open_selected_table
  if [ -n "$1" ]; then
    move_to ' - パネル編集' '' 40 30                   # from cell 0 (cells are no controls)
    click_at ' - パネル編集' '' 200 90 3             # stamp into cell 5
    wait_for_window '^文字列入力$' 10 >/dev/null || fail "no string input"
    wait_for_focus 文字列入力 '' 5
    xdotool type "$1"; xdotool key Return
    wait_for_no_window '^文字列入力$' 5 || fail "Enter left the string input open"
  fi
  click_control ' - パネル編集' 保存して終了
  answer_box 注意 Return                              # クロヴァンに反映させますか? Yes
  wait_for_window '^公開前の確認$' 10 >/dev/null || fail "no check before publishing"
  wait_for_focus 公開前の確認 '' 5
  [ -z "$2" ] || shot "$2"
  xdotool key shift+Tab
  wait_for_focus 公開前の確認 公開する 5
  xdotool key space
  wait_for_no_window ' - パネル編集$' 10 || fail "保存して終了 left the edit window open"
}

publish "" history-findings
cp "$host/機器操作A.tbl" "$host/機器操作A.bmp" "$first/"
publish "TV" ""
cmp -s "$first/機器操作A.bmp" "$host/機器操作A.bmp" && fail "the second publication did not change the bitmap"

click_control 機器操作パネル '以前の版に戻す(&R)'
wait_for_window '^以前の版に戻す$' 10 >/dev/null || fail "no choice of versions"
wait_for_focus 以前の版に戻す '' 5
shot history-restore-choice
xdotool key Return                                    # 戻す: the newest, the only one
question="$(wait_for_window '^注意$' 10)" || fail "no question before putting the version back"
wait_for_focus 注意 '' 5
shot history-restore-question
xdotool key Return                                    # Yes
wait_for_gone "$question" 5 || fail "Yes left the question open"
for _ in $(seq 50); do cmp -s "$first/機器操作A.bmp" "$host/機器操作A.bmp" && break; sleep 0.1; done
wait_for_focus '' OK 5                                # クロヴァンに戻しました。, a box without a caption
xdotool key Return
for file in 機器操作A.tbl 機器操作A.bmp; do
  cmp "$first/$file" "$host/$file" || fail "$file in the host folder is not the first version"
done

# Duplicate A as B, then delete B by its mnemonic; the host folder stays as it is.
wait_for_focus 機器操作パネル '' 5
click_at 機器操作パネル $file_list 20 6                # A, the list row
click_control 機器操作パネル '複製(&C)'
copy="$(wait_for_window '^パネルの複製$' 10)" || fail "no identifier asked for the copy"
wait_for_focus パネルの複製 '' 5
xdotool type B
shot manage-duplicate-identifier
xdotool key Return
wait_for_gone "$copy" 5 || fail "Enter left the copy's dialog open"
# The copy is made after the dialog has gone, which a busy machine shows first.
for _ in $(seq 50); do [ -f "$work/機器操作B.tbl" ] && break; sleep 0.1; done
[ -f "$work/機器操作B.tbl" ] || fail "the copy's table was not made"
cmp "$work/機器操作A.bmp" "$work/機器操作B.bmp" || fail "the copy's bitmap differs"
wait_for_focus 機器操作パネル '' 5
xdotool key alt+d                                     # 削除, on the copy the list now selects
wait_for_window '^注意$' 10 >/dev/null || fail "no question before deleting"
wait_for_focus 注意 7 5                               # いいえ, the default
shot manage-delete-question
answer_box 注意 y                                     # はい(Y): Enter would answer No
[ ! -e "$work/機器操作B.tbl" ] && [ ! -e "$work/機器操作B.bmp" ] || fail "the copy was not deleted"
[ -f "$work/機器操作A.tbl" ] && [ -f "$work/機器操作A.bmp" ] || fail "deleting the copy touched the original"
for file in 機器操作A.tbl 機器操作A.bmp; do cmp "$first/$file" "$host/$file" || fail "deleting touched the host folder"; done
[ "$(ls "$host" | wc -l)" = 2 ] || fail "the host folder holds more than panel A"

quit_editor
rm -rf "$first"
echo "e2e: published A twice past its findings, put the first version back byte for byte, duplicated and deleted it"
