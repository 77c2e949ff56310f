#!/usr/bin/env bash
# Starts the editor under Wine with the simulated devices: the simulated infrared
# transceiver installed where the program looks for the device software, and the
# simulated relay unit on the COM port of the RelayPort setting. Without a display
# it starts a virtual one and writes a screenshot of the main window.
set -euo pipefail
source "$(dirname "$0")/builds.sh"
run="$root/build/run"
mkdir -p "$run"

configure_native
cmake --build "$native" --target relay-sim >/dev/null
configure_win
cmake --build "$win" --target PanelEditor USBIr >/dev/null

# Use the caller's display when there is one; wine-up starts a virtual one otherwise.
virtual=yes
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "$DISPLAY" > "$run/wine-display"
  virtual=no
fi
bash scripts/wine-up.sh "$run"
BUILD_DIR="$run"
source scripts/wine-env.sh

# The program's own folder is searched first and would hide a real library, so
# the stand-in goes where the real device software is installed.
device_dir="$WINEPREFIX/drive_c/wexdir/ソラミトセンター"
mkdir -p "$device_dir"
cp "$win/sim/USBIr.dll" "$device_dir/USBIr.dll"
export USBIRSIM_LOG="$(winepath -w "$run/usbir-sim.log" 2>/dev/null)"

port="$(wine reg query 'HKCU\SoftWare\Zentorik\Env' /v RelayPort 2>/dev/null | tr -d '\r' | awk '/RelayPort/ {print $NF}' || true)"
[[ "$port" =~ ^[1-9]$ ]] || port=1
link="$run/relay-com$port"
"$native/sim/relay/relay-sim" --link "$link" --log "$run/relay-sim.log" --ready-file "$run/relay-ready" &
relay_pid=$!
for _ in $(seq 50); do [ -e "$run/relay-ready" ] && break; sleep 0.1; done
bash sim/relay/map-com-port.sh "$WINEPREFIX" "$port" "$link"

cleanup() {
  kill "$relay_pid" 2>/dev/null || true
  rm -f "$run/relay-ready"
  bash scripts/wine-down.sh "$run" >/dev/null 2>&1 || true
}
trap cleanup EXIT

echo "Relay unit simulated on COM$port (log: $run/relay-sim.log); infrared log: $run/usbir-sim.log"
wine "$win/src/app/PanelEditor.exe" >"$run/editor.log" 2>&1 &
editor_pid=$!

window=""
for _ in $(seq 150); do
  window="$(xdotool search --name '機器操作パネル' 2>/dev/null | head -n 1 || true)"
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -n "$window" ]; then
  sleep 1  # let the first paint finish before the picture is taken
  import -window root "$run/main-window.png"
  echo "Screenshot of the main window: $run/main-window.png"
else
  echo "The main window did not appear; see $run/editor.log"
fi
if [ "$virtual" = yes ]; then
  echo "The editor runs on the virtual display $DISPLAY; stop it with Ctrl+C."
fi
wait "$editor_pid" || true
