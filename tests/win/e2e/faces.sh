#!/usr/bin/env bash
# faces.sh BUILD_DIR PROGRAM SIM_DLL
# Button faces in the real program. A panel without faces opens and saves
# byte for byte as before. A new 3 x 2 panel gets three faces (a label on a
# colour, a PNG beside a label, a JPEG above a label in a frame) and a photo
# as its background; the saved bitmap is checked at sample points; reopened,
# a face is changed again and only its cell changes. Screenshots in BUILD_DIR/e2e.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
program="${2:?program}"
sim_dll="${3:?simulated library}"
source "$(dirname "$0")/e2e-lib.sh"
rm -f "$out"/faces-*.png

panel_folders
mkdir -p "$work"
pictures="${WINEPREFIX}/drive_c/faces-e2e"
rm -rf "$pictures"; mkdir -p "$pictures"
convert -size 48x48 xc:none -fill red -draw 'circle 24,24 24,2' "PNG32:$pictures/lamp.png"
convert -size 40x40 xc:blue "$pictures/door.jpg"
convert -size 320x200 gradient:yellow-navy "$pictures/photo.jpg"

# An old panel O, 3 x 2 buttons of 80 x 60, one command, no faces.
printf '\x8b\x40\x8a\xed\x91\x80\x8d\xecO.bmp\r\n80,60,3,2\r\nQ           \r\n            \r\n\r\n' > "$work/機器操作O.tbl"
convert -size 241x121 xc:white -fill black -draw 'line 0,60 240,60' -type truecolor "BMP3:$work/機器操作O.bmp"

install_transceiver "$sim_dll"
start_main_window "$program"
save_quit() {  # 保存して終了, not published
  click_control ' - パネル編集' 保存して終了
  answer_box 注意 n                                   # クロヴァンに反映させますか? No
  wait_for_no_window ' - パネル編集$' 10 || fail "保存して終了 left the edit window open"
}
open_first_table; save_quit
cp "$work/機器操作O.tbl" "$out/old.tbl"; cp "$work/機器操作O.bmp" "$out/old.bmp"  # as saved before faces
select_first_table; open_selected_table; save_quit
# Each reading and saving of a table keeps its blank lines and adds its own two.
{ cat "$out/old.tbl"; printf '\r\n\r\n'; } | cmp - "$work/機器操作O.tbl" && cmp "$out/old.bmp" "$work/機器操作O.bmp" ||
  fail "the old panel did not save as before"
[ ! -e "$work/機器操作O.faces.txt" ] && [ ! -e "$work/ボタン画像" ] || fail "the old panel got face files"

# 新規作成 A, 3 x 2 buttons of 80 x 60.
click_at 機器操作パネル $tabs 30 10
click_control 機器操作パネル 200; xdotool key End shift+Home BackSpace; xdotool type A
xdotool key Tab; xdotool type '3'; xdotool key Tab; xdotool type '2'
xdotool key Tab; xdotool type '80'; xdotool key Tab; xdotool type '60'
click_control 機器操作パネル 作成
answer_box 注意 Return                                 # これで作成しても良いですか? Yes
editor="$(wait_for_window ' - パネル編集$' 10)" || fail "the edit window did not open"
wait_for_control ' - パネル編集' 保存 5

face=' - ボタンの見た目'
line1=100 fill=107 frame=108 frame_width=109 choose=111 place=113  # TButtonFaceFm's ids
face_dialog() {  # cell x, y: framed, then F2
  move_to ' - パネル編集' '' "$1" "$2"; xdotool key F2
  dialog="$(wait_for_window "${face}\$" 10)" || fail "no face dialog for the cell at $1,$2"
  wait_for_focus "$face" $line1 5
}
pick() {  # window caption, list id, times Down
  click_control "$1" "$2"; for _ in $(seq "$3"); do xdotool key Down; done; xdotool key Return
}
choose_file() {  # window caption, button id, Windows path
  click_control "$1" "$2"
  wait_for_window '^開く$' 10 >/dev/null || fail "no file dialog"
  wait_for_focus 開く '' 5
  xdotool type --delay 20 "$3"; xdotool key Return
  wait_for_no_window '^開く$' 10 || fail "the file dialog stayed open"
}
ok_face() { click_control "$face" OK; wait_for_no_window "${face}\$" 5 || fail "OK left the face dialog open"; }

face_dialog 40 30; xdotool type TV; pick "$face" $fill 5; ok_face                 # black on yellow
face_dialog 120 30; xdotool type Lamp; choose_file "$face" $choose 'C:\faces-e2e\lamp.png'
pick "$face" $place 1; ok_face                                                     # the PNG beside
face_dialog 200 30; xdotool type Door; choose_file "$face" $choose 'C:\faces-e2e\door.jpg'
pick "$face" $frame 3; pick "$face" $frame_width 2                                 # a red frame of 3
settle; shot faces-dialog "$editor" "$dialog"; ok_face

move_to ' - パネル編集' '' 120 90; xdotool key shift+F2
background="$(wait_for_window '^パネルの背景$' 10)" || fail "no background dialog"
wait_for_focus パネルの背景 '' 5
choose_file パネルの背景 104 'C:\faces-e2e\photo.jpg'
pick パネルの背景 105 1                                   # cropped to the panel
click_control パネルの背景 107                            # grid lines
shot faces-background "$editor" "$background"
click_control パネルの背景 OK; wait_for_no_window '^パネルの背景$' 5 || fail "OK left the background dialog open"
move_to ' - パネル編集' '' 40 90
shot faces-edit-window "$editor"
save_quit

bmp="$work/機器操作A.bmp"
[ -f "$work/機器操作A.faces.txt" ] && [ -f "$work/ボタン画像/lamp.png" ] && [ -f "$work/ボタン画像/機器操作A-背景.bmp" ] ||
  fail "the face files are missing"
# r g b of the saved bitmap at x y, and how many pixels of a box are near a colour.
pixels() { python3 - "$bmp" "$@" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
offset, = struct.unpack_from('<I', data, 10)
w, h = struct.unpack_from('<ii', data, 18)
stride = (w * 3 + 3) & ~3
def at(x, y):
    b, g, r = data[offset + (h - 1 - y) * stride + 3 * x: offset + (h - 1 - y) * stride + 3 * x + 3]
    return r, g, b
a = list(map(int, sys.argv[3:]))
if sys.argv[2] == 'at':
    print(*at(a[0], a[1]))
else:  # count x y w h r g b
    print(sum(1 for y in range(a[1], a[1] + a[3]) for x in range(a[0], a[0] + a[2])
              if max(abs(c - t) for c, t in zip(at(x, y), a[4:7])) < 60))
PY
}
near() {  # x y r g b: the pixel within 60 of that colour
  (( $(pixels count "$1" "$2" 1 1 "$3" "$4" "$5") == 1 )) || fail "pixel $1,$2 is $(pixels at "$1" "$2"), not near $3 $4 $5"
}
near 5 5 255 224 0                                              # cell 0: yellow
(( $(pixels count 10 10 60 40 0 0 0) > 20 )) || fail "no label ink in cell 0"
near 97 30 220 0 0                                              # cell 1: the red lamp beside its label
(( $(pixels count 115 10 60 40 0 0 0) > 20 )) || fail "no label ink right of the lamp"
near 199 15 0 0 255                                             # cell 2: the blue door above its label
near 162 30 220 0 0                                             # cell 2: its red frame
near 80 90 128 128 128                                          # grid line between cells 3 and 4
(( $(pixels count 90 70 60 40 255 255 255) == 0 )) || fail "cell 4 shows no photo"
cp "$bmp" "$out/faces-first.bmp"

# Reopened: the face is still there to change, and only its cell is drawn anew.
open_first_table
face_dialog 40 30; xdotool key End; xdotool type 2; ok_face
shot faces-reopened "$editor"
save_quit
grep -q $'line=TV2\t' "$work/機器操作A.faces.txt" || fail "the reopened face was not the saved one"
python3 - "$out/faces-first.bmp" "$bmp" <<'PY' || fail "more than cell 0 changed"
import sys
a, b = (open(p, 'rb').read() for p in sys.argv[1:])
w, h = int.from_bytes(a[18:22], 'little'), int.from_bytes(a[22:26], 'little')
stride = (w * 3 + 3) & ~3
changed = {(x, h - 1 - (i - 54) // stride) for i in range(54, len(a)) if a[i] != b[i] for x in [((i - 54) % stride) // 3]}
sys.exit(not changed or any(x >= 80 or y >= 60 for x, y in changed))
PY

rm -rf "$pictures" "$out/old.tbl" "$out/old.bmp" "$out/faces-first.bmp"
quit_editor
echo "e2e: old panel saved byte for byte; three faces and a photo background drawn, saved, checked and edited again"
