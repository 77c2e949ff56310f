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
page_x=35 page_y=29  # the tab page inside the main window's client area

click $((32 + 95)) $((8 + 10))                        # 既存ファイル
click $((page_x + 20)) $((page_y + 3 + 8))            # 機器操作A.tbl, the only table

# Opens A, optionally stamps a text, saves and publishes it despite the findings.
publish() {  # stamp text or "", screenshot name or ""
  client_x=$main_x client_y=$main_y
  click $((page_x + 3 + 48)) $((page_y + 251 + 20))   # 開く
  editor="$(wait_for_window ' - パネル編集$' 10)" || fail "開く did not open the edit window"
  sleep 0.5
  client_origin "$editor" 240 $((120 + 98))
  if [ -n "$1" ]; then
    xdotool mousemove $((client_x + 40)) $((client_y + 30)); sleep 0.1
    click 200 90 3                                    # stamp into cell 5
    wait_for_window '^文字列入力$' 10 >/dev/null || fail "no string input"
    sleep 0.3
    xdotool type "$1"; xdotool key Return; sleep 0.5
  fi
  click $((16 + 37)) $((120 + 39 + 12))               # 保存して終了
  answer_box '^注意$' Return                          # クロヴァンに反映させますか? Yes
  wait_for_window '^公開前の確認$' 10 >/dev/null || fail "no check before publishing"
  sleep 0.3
  [ -z "$2" ] || shot "$2"
  xdotool key shift+Tab space; sleep 0.3              # 公開する
  wait_for_no_window ' - パネル編集$' 10 || fail "保存して終了 left the edit window open"
}

publish "" history-findings
cp "$host/機器操作A.tbl" "$host/機器操作A.bmp" "$first/"
publish "TV" ""
cmp -s "$first/機器操作A.bmp" "$host/機器操作A.bmp" && fail "the second publication did not change the bitmap"

client_x=$main_x client_y=$main_y
click $((page_x + 397 + 75)) $((page_y + 279 + 12))   # 以前の版に戻す
wait_for_window '^以前の版に戻す$' 10 >/dev/null || fail "no choice of versions"
sleep 0.3
shot history-restore-choice
xdotool key Return; sleep 0.3                         # 戻す: the newest, the only one
wait_for_window '^注意$' 10 >/dev/null || fail "no question before putting the version back"
shot history-restore-question
xdotool key Return                                    # Yes
for _ in $(seq 50); do cmp -s "$first/機器操作A.bmp" "$host/機器操作A.bmp" && break; sleep 0.1; done
sleep 0.3
xdotool key Return                                    # クロヴァンに戻しました。
for file in 機器操作A.tbl 機器操作A.bmp; do
  cmp "$first/$file" "$host/$file" || fail "$file in the host folder is not the first version"
done

# Duplicate A as B, then delete B by its mnemonic; the host folder stays as it is.
click $((page_x + 20)) $((page_y + 3 + 8))
click $((page_x + 197 + 37)) $((page_y + 279 + 12))   # 複製
wait_for_window '^パネルの複製$' 10 >/dev/null || fail "no identifier asked for the copy"
sleep 0.2
xdotool type B
shot manage-duplicate-identifier
xdotool key Return; sleep 0.5
[ -f "$work/機器操作B.tbl" ] || fail "the copy's table was not made"
cmp "$work/機器操作A.bmp" "$work/機器操作B.bmp" || fail "the copy's bitmap differs"
xdotool key alt+d                                     # 削除, on the copy the list now selects
wait_for_window '^注意$' 10 >/dev/null || fail "no question before deleting"
sleep 0.4  # until the focus has settled on いいえ
shot manage-delete-question
xdotool key y; sleep 0.5                              # はい(Y): Enter would answer No
[ ! -e "$work/機器操作B.tbl" ] && [ ! -e "$work/機器操作B.bmp" ] || fail "the copy was not deleted"
[ -f "$work/機器操作A.tbl" ] && [ -f "$work/機器操作A.bmp" ] || fail "deleting the copy touched the original"
for file in 機器操作A.tbl 機器操作A.bmp; do cmp "$first/$file" "$host/$file" || fail "deleting touched the host folder"; done
[ "$(ls "$host" | wc -l)" = 2 ] || fail "the host folder holds more than panel A"

quit_editor
rm -rf "$first"
echo "e2e: published A twice past its findings, put the first version back byte for byte, duplicated and deleted it"
