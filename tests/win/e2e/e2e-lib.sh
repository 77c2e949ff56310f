# Sourced by the end-to-end scripts: the simulated transceiver installed where
# the program looks for it, and finding, clicking and typing into windows of
# the real program by their controls, as a user would.
scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../../scripts" && pwd)"
source "${scripts}/wine-env.sh"
out="${BUILD_DIR}/e2e"
mkdir -p "$out"

fail() { echo "e2e: $*" >&2; exit 1; }

# The screenshots are the user guide's pictures: a caret that blinks, or a
# pointer left over a button by an earlier test, would change them from run to run.
wine reg add 'HKCU\Control Panel\Desktop' /v CursorBlinkRate /t REG_SZ /d -1 /f </dev/null >/dev/null 2>&1
xdotool mousemove 0 2000  # clamped to the screen's bottom-left corner, below every window

# The transceiver goes where the program looks for the device software; it is
# taken away again so that other tests see a prefix without it.
device_dir="${WINEPREFIX}/drive_c/wexdir/ソラミトセンター"
install_transceiver() {  # sim_dll
  mkdir -p "$device_dir"
  cp "$1" "$device_dir/USBIr.dll"
}
editor_pid=""
cleanup() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
  rm -f "$device_dir/USBIr.dll"
}
trap cleanup EXIT

start_editor() {  # program
  wine "$1" </dev/null >"$out/editor.log" 2>&1 &
  editor_pid=$!
}

wait_for_window() {  # name pattern, seconds
  for _ in $(seq $(($2 * 10))); do
    xdotool search --name "$1" 2>/dev/null | head -n 1 && return 0
    sleep 0.1
  done
  return 1
}

wait_for_no_window() {  # name pattern, seconds
  for _ in $(seq $(($2 * 10))); do
    xdotool search --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

wait_for_gone() {  # window, seconds
  for _ in $(seq $(($2 * 10))); do
    xwininfo -id "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Controls are found by their id or their caption (Probe.cpp), in the visible
# window whose caption ends as given.
probe="${BUILD_DIR}/tests/win/e2e/e2e_probe.exe"
click_control() {  # window caption, control id or text, [mouse button]
  local at
  at="$(wine "$probe" at "$1" "$2" </dev/null 2>/dev/null | tr -d '\r')" || fail "no control '$2' in '$1'"
  xdotool mousemove ${at% *} ${at#* } click "${3:-1}"
}
wait_for_control() {  # window caption, control id or text, seconds
  wine "$probe" wait "$1" "$2" "$3" </dev/null >/dev/null 2>&1 || fail "no control '$2' in '$1' within $3 s"
}
# Until the window is in front with the focus on that control ('': anywhere in it).
wait_for_focus() {  # window caption, control id or text or '', seconds
  wine "$probe" focus "$1" "$2" "$3" </dev/null >/dev/null 2>&1 || fail "no focus on '$2' in '$1' within $3 s"
}
# What is no control (a tab item, a list row, a panel cell) is reached at a
# point of the client area of the control that holds it ('': the window's own).
move_to() {  # window caption, control id or text or '', x, y
  local at
  at="$(wine "$probe" at "$1" "$2" "$3" "$4" </dev/null 2>/dev/null | tr -d '\r')" || fail "no control '$2' in '$1'"
  xdotool mousemove ${at% *} ${at#* }
}
click_at() {  # window caption, control id or text or '', x, y, [mouse button]
  move_to "$1" "$2" "$3" "$4"
  xdotool click "${5:-1}"
  settle
}

# Waits until the screen has stopped changing: two grabs alike, 5 s at most.
settle() {
  local a="$out/.settle-a.rgb" b="$out/.settle-b.rgb"
  import -window root "rgb:$a"
  for _ in $(seq 50); do
    sleep 0.1
    import -window root "rgb:$b"
    if cmp -s "$a" "$b"; then rm -f "$a" "$b"; return 0; fi
    mv "$b" "$a"
  done
  rm -f "$a"
}
# The whole screen, or cut to the rectangle around the windows given (a dialog
# and its owner, say), so that a picture shows only what it is about.
shot() {  # name [window ...]
  local file="$out/$1.png" box
  shift
  settle
  import -window root "$file"
  (($#)) || return 0
  box="$(for w in "$@"; do xwininfo -id "$w"; done | awk '
    /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} /Width/ {w = $2}
    /Height/ {h = $2; if (!n++ || x < l) l = x; if (n == 1 || y < t) t = y
              if (x + w > r) r = x + w; if (y + h > b) b = y + h}
    END {printf "%dx%d+%d+%d", r - l, b - t, l, t}')"
  mogrify -crop "$box" +repage "$file"
}

# Waits for a box of that caption to take the keys and answers it with one
# (Return: the default button); returns once the box is gone.
answer_box() {  # caption, key
  local box
  box="$(wait_for_window "^$1\$" 10)" || fail "no box '$1' appeared"
  wait_for_focus "$1" '' 5
  xdotool key "$2"
  wait_for_gone "$box" 5 || fail "'$2' left the box '$1' open"
}

# The prefix's work and host folders, emptied; the host one made, as the host
# program's installation would (the editor never makes it). Sets documents, work, host.
panel_folders() {
  documents="${WINEPREFIX}/drive_c/users/$(id -un)/Documents"
  work="$documents/クロヴァンパネル作業"
  host="$documents/Kurovan/パネルデータ"
  rm -rf "$work" "$documents/Kurovan"
  mkdir -p "$host"
}

# Both simulated devices: the transceiver installed and logging, the relay
# port setting stored, the relay unit's log emptied.
use_simulated_devices() {  # sim_dll relay_port relay_log usbir_log
  install_transceiver "$1"
  export USBIRSIM_LOG="$(winepath -w "$4")"
  wine reg add 'HKCU\SoftWare\Zentorik\Env' /v RelayPort /t REG_SZ /d "$2" /f </dev/null >/dev/null 2>&1
  : > "$3"
}

# Starts the program and waits for its main window. Sets main.
start_main_window() {  # program
  start_editor "$1"
  main="$(wait_for_window '^機器操作パネル$' 30)" || fail "the main window did not appear"
  wait_for_focus 機器操作パネル '' 10
  settle
}
tabs=100 file_list=300  # the main window's tab control, the 既存ファイル list (MainPanelFm, ExistingFilesTab)

# Leaves by 終了 and removes what the run left in the prefix.
quit_editor() {
  click_control 機器操作パネル 終了
  for _ in $(seq 100); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
  editor_pid=""
  rm -rf "$work" "$documents/Kurovan"
  wine reg delete 'HKCU\SoftWare\Zentorik' /f </dev/null >/dev/null 2>&1 || true
}

# The 既存ファイル tab with its first table selected.
select_first_table() {
  click_at 機器操作パネル $tabs 95 10
  wait_for_control 機器操作パネル $file_list 5
  click_at 機器操作パネル $file_list 20 6
}
# Opens the first table of the 既存ファイル list in the edit window, with a
# screenshot of the tab before if named. Sets editor.
open_first_table() {  # [shot name]
  select_first_table
  [ -z "${1:-}" ] || shot "$1"
  open_selected_table
}
open_selected_table() {
  click_control 機器操作パネル 開く
  editor="$(wait_for_window ' - パネル編集$' 10)" || fail "開く did not open the edit window"
  wait_for_control ' - パネル編集' 保存 5
  wait_for_focus ' - パネル編集' '' 5
  settle
}
