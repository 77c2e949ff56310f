#!/usr/bin/env bash
# relay-sim-down.sh BUILD_DIR: stops the relay unit started by relay-sim-up.sh.
set -euo pipefail
dir="$(cd "${1:?build folder}" && pwd)/relay-sim"
[ -f "$dir/pid" ] || exit 0
pid="$(cat "$dir/pid")"
rm -f "$dir/pid"
if kill -0 "$pid" 2>/dev/null; then
  kill -TERM "$pid"
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || exit 0
    sleep 0.1
  done
  echo "relay-sim-down: relay-sim $pid did not stop" >&2
  exit 1
fi
