#!/usr/bin/env bash
# package-check.sh BUILD_DIR ZIP SETUP PROGRAM SIM_DLL VERSION
# The release files as a user meets them: the zip holds exactly the program, the
# guide, the licence and the version file; the installer, run silently, puts the
# program under Program Files with a Start-menu entry that starts it to its main
# window, and its uninstaller takes away all it installed and nothing else.
# Leaves a screenshot of the installed program in BUILD_DIR/release-check.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
zip="${2:?zip}"
setup="${3:?installer}"
program="${4:?program}"
sim_dll="${5:?simulated library}"
version="${6:?version}"
scripts="$(cd "$(dirname "$0")/../../../scripts" && pwd)"
source "${scripts}/wine-env.sh"
# Start-menu entries must not turn into desktop files of the machine running the test.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES};winemenubuilder.exe=d"
out="${BUILD_DIR}/release-check"
rm -rf "$out"
mkdir -p "$out"

fail() { echo "release: $*" >&2; exit 1; }
wait_until() {  # seconds, command...
  local tenths=$(($1 * 10)); shift
  for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# --- the zip
base="PanelEditor-${version}"
listed="$(unzip -Z1 "$zip" | sort)"
expected="$(printf '%s\n' "$base/" "$base/LICENSE.txt" "$base/PanelEditor.exe" "$base/README-ja.txt" "$base/VERSION.txt")"
[ "$listed" = "$expected" ] || fail "the zip holds"$'\n'"$listed"$'\n'"instead of"$'\n'"$expected"
unzip -q "$zip" -d "$out/zip"
files="$out/zip/$base"
cmp -s "$files/PanelEditor.exe" "$program" || fail "the zip's PanelEditor.exe is not the program just built"
for text in README-ja.txt LICENSE.txt VERSION.txt; do
  iconv -f CP932 -t UTF-8 "$files/$text" >/dev/null 2>&1 || fail "$text is not Shift-JIS text"
  ! grep -q $'[^\r]$' "$files/$text" || fail "$text has lines that do not end in CR LF"
done
head -n 1 "$files/VERSION.txt" | iconv -f CP932 -t UTF-8 | tr -d '\r' | grep -qx "機器操作パネル ${version}" \
  || fail "VERSION.txt does not begin with the version ${version}"
grep -q '^MIT License' "$files/LICENSE.txt" || fail "LICENSE.txt is not the MIT licence"

# --- the installer
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\PanelEditor'
reg_value() { wine reg query "$key" /v "$1" </dev/null 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"; }
installed() { wine reg query "$key" </dev/null >/dev/null 2>&1; }

# The device software's folder, with the transceiver in it as on a user's PC: the
# program starts without a warning, and the check below shows it is left alone.
device_root="${WINEPREFIX}/drive_c/wexdir"
device_dir="${device_root}/ソラミトセンター"
mkdir -p "$device_dir"
cp "$sim_dll" "$device_dir/USBIr.dll"
device_files() { (cd "$device_root" && find . -type f -exec md5sum {} + | sort); }

uninstall_leftover() {
  local loc
  loc="$(reg_value InstallLocation)"
  [ -n "$loc" ] && wine "$loc\\uninstall.exe" /S </dev/null >/dev/null 2>&1 || true
  wait_until 30 bash -c "! wine reg query '$key' </dev/null >/dev/null 2>&1" || true
}
cleanup() {
  installed && uninstall_leftover
  rm -f "$device_dir/USBIr.dll"
}
trap cleanup EXIT
installed && uninstall_leftover   # left over by an interrupted run
device_before="$(device_files)"

wine "$setup" /S </dev/null >"$out/setup.log" 2>&1 || fail "the silent installation failed"
installed || fail "the installation left no uninstall entry"
loc="$(reg_value InstallLocation)"
case "$loc" in
  'C:\Program Files\機器操作パネル' | 'C:\Program Files (x86)\機器操作パネル') ;;
  *) fail "installed in '$loc', not under Program Files" ;;
esac
dir="$(winepath -u "$loc" 2>/dev/null)"
[ "$(cd "$dir" && ls | sort | tr '\n' ' ')" = "LICENSE.txt PanelEditor.exe README-ja.txt VERSION.txt uninstall.exe " ] \
  || fail "the installation folder holds: $(ls "$dir" | tr '\n' ' ')"
cmp -s "$dir/PanelEditor.exe" "$program" || fail "the installed PanelEditor.exe is not the program just built"
[ "$(reg_value DisplayVersion)" = "$version" ] || fail "the uninstall entry does not show version $version"
menu="$(find "${WINEPREFIX}/drive_c" -type d -path '*/Start Menu/Programs/機器操作パネル' | head -n 1)"
[ -n "$menu" ] && [ -f "$menu/機器操作パネル.lnk" ] || fail "no Start-menu entry 機器操作パネル"

# --- the installed program, started through its Start-menu entry
wine start "$(winepath -w "$menu/機器操作パネル.lnk")" </dev/null >"$out/editor.log" 2>&1 \
  || fail "the Start-menu entry could not be opened"
find_window() { xdotool search --name '^機器操作パネル$' 2>/dev/null | head -n 1; }
wait_until 30 find_window >/dev/null || fail "the installed program's main window did not appear"
window="$(find_window)"
sleep 0.5  # first paint
import -window root "$out/installed-main-window.png"
if xdotool search --name '^警告$' >/dev/null 2>&1; then fail "a warning box appeared at start-up"; fi
# Leave by the exit button, as a user would (client coordinates offset by the frame Wine draws).
read -r wx wy < <(xdotool getwindowgeometry "$window" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
frame_x=$(( $(xwininfo -id "$window" | awk '/Width/ {print $2}') - 598 ))
frame_y=$(( $(xwininfo -id "$window" | awk '/Height/ {print $2}') - 467 ))
xdotool mousemove $((wx + frame_x / 2 + 376 + 64)) $((wy + frame_y - frame_x / 2 + 368 + 12)) click 1
wait_until 30 bash -c "! xdotool search --name '^機器操作パネル$' >/dev/null 2>&1" \
  || fail "the installed program did not end after 終了"

# --- the uninstaller (it copies itself away and returns at once, so wait for its work)
wine "$dir/uninstall.exe" /S </dev/null >"$out/uninstall.log" 2>&1 || fail "the uninstaller did not start"
wait_until 60 bash -c "[ ! -e '$dir' ] && [ ! -e '$menu' ]" \
  || fail "after uninstalling there remain: $(ls -d "$dir" "$menu" 2>/dev/null | tr '\n' ' ')"
wait_until 10 bash -c "! wine reg query '$key' </dev/null >/dev/null 2>&1" || fail "the uninstall entry remains"
[ "$(device_files)" = "$device_before" ] || fail "the device software's folder was changed"
echo "release: zip holds the 4 files; installed to $loc with a Start-menu entry, started to the main window" \
     "(screenshot $out/installed-main-window.png), uninstalled without a trace"
