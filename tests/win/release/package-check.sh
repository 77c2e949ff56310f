#!/usr/bin/env bash
# package-check.sh BUILD_DIR ZIP SETUP PROGRAM SIM_DLL VERSION
# The release files as a user meets them: the zip holds exactly the program, the
# guide, the licence and the version file; the installer, run silently, puts the
# program under Program Files with a Start-menu entry that starts it to its main
# window; the uninstaller takes away all that and leaves the device software be.
# Leaves a screenshot of the installed program in BUILD_DIR/release-check.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
zip="$2" setup="$3" program="$4" sim_dll="$5" version="$6"
source "$(dirname "$0")/../../../scripts/wine-env.sh"
# Start-menu entries must not become desktop files of the machine running the test.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES};winemenubuilder.exe=d"
out="${BUILD_DIR}/release-check"
rm -rf "$out" && mkdir -p "$out"
fail() { echo "release: $*" >&2; exit 1; }
wait_until() { for _ in $(seq $(($1 * 10))); do bash -c "$2" && return 0; sleep 0.1; done; return 1; }

base="PanelEditor-${version}"
listed="$(unzip -Z1 "$zip" | sort | tr '\n' ' ')"
[ "$listed" = "$base/ $base/LICENSE.txt $base/PanelEditor.exe $base/README-ja.txt $base/VERSION.txt " ] \
  || fail "the zip holds $listed"
unzip -q "$zip" -d "$out/zip"
cmp -s "$out/zip/$base/PanelEditor.exe" "$program" || fail "the zip's program is not the one just built"
[ "$(iconv -f CP932 -t UTF-8 "$out/zip/$base/VERSION.txt" | head -n 1)" = "機器操作パネル ${version}"$'\r' ] \
  || fail "VERSION.txt does not begin with the version in Shift-JIS with CR LF"

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\PanelEditor'
reg_value() { wine reg query "$key" /v "$1" </dev/null 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r' |
              sed -n "s/^ *$1 *REG_SZ *//p"; }
uninstall() {  # the uninstaller copies itself away and returns at once
  wine "$(reg_value InstallLocation)\\uninstall.exe" /S </dev/null >>"$out/uninstall.log" 2>&1 || true
  wait_until 60 "! wine reg query '$key' </dev/null >/dev/null 2>&1"
}
# The transceiver in the device software's folder, as on a user's PC.
device_root="${WINEPREFIX}/drive_c/wexdir"
mkdir -p "$device_root/ソラミトセンター"
cp "$sim_dll" "$device_root/ソラミトセンター/USBIr.dll"
device_files() { (cd "$device_root" && find . -type f -exec md5sum {} + | sort); }
trap '[ -z "$(reg_value InstallLocation)" ] || uninstall; rm -f "$device_root/ソラミトセンター/USBIr.dll"' EXIT
[ -z "$(reg_value InstallLocation)" ] || uninstall   # left by an interrupted run
device_before="$(device_files)"

wine "$setup" /S </dev/null >"$out/setup.log" 2>&1 || fail "the silent installation failed"
loc="$(reg_value InstallLocation)"
[[ "$loc" == 'C:\Program Files\機器操作パネル' || "$loc" == 'C:\Program Files (x86)\機器操作パネル' ]] \
  || fail "installed in '$loc', not under Program Files"
dir="$(winepath -u "$loc" 2>/dev/null)"
[ "$(ls "$dir" | tr '\n' ' ')" = "LICENSE.txt PanelEditor.exe README-ja.txt VERSION.txt uninstall.exe " ] \
  || fail "the installation folder holds $(ls "$dir" | tr '\n' ' ')"
cmp -s "$dir/PanelEditor.exe" "$program" || fail "the installed program is not the one just built"
menu="$(find "${WINEPREFIX}/drive_c" -type d -path '*/Start Menu/Programs/機器操作パネル')"
[ -f "$menu/機器操作パネル.lnk" ] || fail "no Start-menu entry 機器操作パネル"

wine start "$(winepath -w "$menu/機器操作パネル.lnk")" </dev/null >"$out/editor.log" 2>&1 || fail "the entry did not open"
main="xdotool search --name '^機器操作パネル\$'"
wait_until 30 "$main >/dev/null 2>&1" || fail "the installed program's main window did not appear"
window="$(bash -c "$main" | head -n 1)"
sleep 0.5  # first paint
import -window root "$out/installed-main-window.png"
! xdotool search --name '^警告$' >/dev/null 2>&1 || fail "a warning box appeared at start-up"
# The exit button 終了, at its client position offset by the frame Wine draws.
read -r wx wy < <(xdotool getwindowgeometry "$window" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
fx=$(( $(xwininfo -id "$window" | awk '/Width/ {print $2}') - 598 ))
fy=$(( $(xwininfo -id "$window" | awk '/Height/ {print $2}') - 467 ))
xdotool mousemove $((wx + fx / 2 + 440)) $((wy + fy - fx / 2 + 380)) click 1
wait_until 30 "! $main >/dev/null 2>&1" || fail "the installed program did not end after 終了"

uninstall || fail "the uninstall entry remains"
[ ! -e "$dir" ] && [ ! -e "$menu" ] || fail "after uninstalling there remain $(ls -d "$dir" "$menu" 2>/dev/null)"
[ "$(device_files)" = "$device_before" ] || fail "the device software's folder was changed"
echo "release: zip holds the 4 files; installed to $loc with a Start-menu entry that starts the program" \
     "(screenshot $out/installed-main-window.png); uninstalled without a trace"
