#!/usr/bin/env bash
# relay-sim-up.sh BUILD_DIR RELAY_SIM PORT: starts the simulated relay unit for
# the Windows tests of BUILD_DIR and maps COM<PORT> of its Wine prefix to it.
# Files go to BUILD_DIR/relay-sim: com-link, relay.log, ready, pid.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
sim="${2:?relay-sim program}"
port="${3:?COM port number}"
here="$(cd "$(dirname "$0")" && pwd)"
dir="${BUILD_DIR}/relay-sim"

if [ ! -x "$sim" ]; then
  echo "relay-sim-up: no relay-sim at $sim (build the native tree's relay-sim target)" >&2
  exit 1
fi
"${here}/relay-sim-down.sh" "$BUILD_DIR"
mkdir -p "$dir"
rm -f "$dir/relay.log" "$dir/ready"
# Detached from CTest's pipes, or CTest would wait for it to end.
"$sim" --link "$dir/com-link" --log "$dir/relay.log" --ready-file "$dir/ready" \
  </dev/null >"$dir/relay-sim.out" 2>&1 &
echo $! > "$dir/pid"
for _ in $(seq 100); do
  [ -f "$dir/ready" ] && break
  sleep 0.1
done
if [ ! -f "$dir/ready" ]; then
  echo "relay-sim-up: relay-sim did not start:" >&2
  cat "$dir/relay-sim.out" >&2
  exit 1
fi
: > "$dir/relay.log"

source "${here}/wine-env.sh"
"${PANEL_SOURCE_DIR:-${here}/..}/sim/relay/map-com-port.sh" "$WINEPREFIX" "$port" "$dir/com-link"
echo "relay-sim-up: COM${port} -> $(cat "$dir/ready")"
