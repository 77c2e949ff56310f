#!/usr/bin/env bash
# package-check.sh BUILD_DIR ZIP SETUP PROGRAM SIM_DLL VERSION
# The release files as a user meets them: the zip holds exactly the program, the
# short guide, the full guide as HTML with its pictures, the licence and the
# version file; the installer, run silently, puts them under Program Files with
# a Start-menu entry that starts the program to its main window, where F1 opens
# the installed guide in the browser; the uninstaller takes away all that and
# leaves the device software be.
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
guide_pictures="$(grep -o '](images/[^)]*)' "$(dirname "$0")/../../../docs/user-guide-ja.md" | sed 's|](images/||; s|)$||' | sort -u)"
[ -n "$guide_pictures" ] || fail "the guide shows no pictures"
listed="$(unzip -Z1 "$zip" | sort | tr '\n' ' ')"
expected="$(printf '%s\n' "$base/" "$base/LICENSE.txt" "$base/PanelEditor.exe" "$base/README-ja.txt" "$base/VERSION.txt" \
              "$base/user-guide-images/" "$base/user-guide-ja.html" $(printf "$base/user-guide-images/%s\n" $guide_pictures) |
            sort | tr '\n' ' ')"
[ "$listed" = "$expected" ] || fail "the zip holds $listed"
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
# A browser that notes what it is asked to show, and .html pages given to the
# browser as on a Windows machine (the test prefix has no such association).
browser="$out/browser.sh"
printf '#!/bin/sh\necho "$*" >> "%s"\n' "$out/browser.log" > "$browser" && chmod +x "$browser"
html_key='HKLM\Software\Classes\.html'
had_html_key=0; wine reg query "$html_key" </dev/null >/dev/null 2>&1 && had_html_key=1
[ "$had_html_key" = 1 ] || wine reg add "$html_key" /ve /t REG_SZ /d htmlfile /f </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$browser" /f </dev/null >/dev/null 2>&1
cleanup() {
  [ -z "$(reg_value InstallLocation)" ] || uninstall
  rm -f "$device_root/ソラミトセンター/USBIr.dll"
  [ "$had_html_key" = 1 ] || wine reg delete "$html_key" /f </dev/null >/dev/null 2>&1 || true
  wine reg delete 'HKCU\Software\Wine\WineBrowser' /v Browsers /f </dev/null >/dev/null 2>&1 || true
}
trap cleanup EXIT
[ -z "$(reg_value InstallLocation)" ] || uninstall   # left by an interrupted run
device_before="$(device_files)"

wine "$setup" /S </dev/null >"$out/setup.log" 2>&1 || fail "the silent installation failed"
loc="$(reg_value InstallLocation)"
[[ "$loc" == 'C:\Program Files\機器操作パネル' || "$loc" == 'C:\Program Files (x86)\機器操作パネル' ]] \
  || fail "installed in '$loc', not under Program Files"
dir="$(winepath -u "$loc" 2>/dev/null)"
[ "$(ls "$dir" | tr '\n' ' ')" = "LICENSE.txt PanelEditor.exe README-ja.txt VERSION.txt uninstall.exe user-guide-images user-guide-ja.html " ] \
  || fail "the installation folder holds $(ls "$dir" | tr '\n' ' ')"
[ "$(ls "$dir/user-guide-images" | sort)" = "$guide_pictures" ] || fail "the guide's pictures are not all installed"
grep -q '<img alt="[^"]*" src="user-guide-images/main-window.png"' "$dir/user-guide-ja.html" \
  || fail "the installed guide does not show its pictures"
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
# F1 in the main window (made the active one by a click on its title bar).
read -r wx wy < <(xdotool getwindowgeometry "$window" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
xdotool mousemove $((wx + 300)) $((wy + 8)) click 1 && sleep 0.3 && xdotool key F1
wait_until 30 "grep -q 'user-guide-ja.html' '$out/browser.log' 2>/dev/null" || fail "F1 did not open the guide"
opened="$(head -n 1 "$out/browser.log" | python3 -c 'import sys, urllib.parse; print(urllib.parse.unquote(sys.stdin.read().strip()))')"
[ "$opened" = "file://$dir/user-guide-ja.html" ] || fail "F1 opened $opened, not the installed guide"
# The exit button 終了, at its client position offset by the frame Wine draws.
fx=$(( $(xwininfo -id "$window" | awk '/Width/ {print $2}') - 598 ))
fy=$(( $(xwininfo -id "$window" | awk '/Height/ {print $2}') - 467 ))
xdotool mousemove $((wx + fx / 2 + 440)) $((wy + fy - fx / 2 + 380)) click 1
wait_until 30 "! $main >/dev/null 2>&1" || fail "the installed program did not end after 終了"

uninstall || fail "the uninstall entry remains"
[ ! -e "$dir" ] && [ ! -e "$menu" ] || fail "after uninstalling there remain $(ls -d "$dir" "$menu" 2>/dev/null)"
[ "$(device_files)" = "$device_before" ] || fail "the device software's folder was changed"
echo "release: zip holds the program, the guides and the texts; installed to $loc with a Start-menu entry that" \
     "starts the program, whose F1 opens the installed guide (screenshot $out/installed-main-window.png);" \
     "uninstalled without a trace"
