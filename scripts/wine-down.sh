#!/usr/bin/env bash
# Ends what wine-up.sh started for a build folder.
set -uo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
source "${here}/wine-env.sh"
wineserver -k 2>/dev/null
if [ -f "${BUILD_DIR}/wine-xvfb.pid" ]; then
  kill "$(cat "${BUILD_DIR}/wine-xvfb.pid")" 2>/dev/null
  rm -f "${BUILD_DIR}/wine-xvfb.pid" "${BUILD_DIR}/wine-display"
fi
exit 0
