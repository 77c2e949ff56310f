#!/usr/bin/env bash
# Runs one Windows program under Wine in its build folder's prefix; CTest uses this
# as the emulator. The build folder comes from PANEL_BUILD_DIR, else from the
# program's own location.
set -euo pipefail
exe="${1:?program}"
shift
BUILD_DIR="${PANEL_BUILD_DIR:-}"
if [ -z "$BUILD_DIR" ]; then
  d="$(cd "$(dirname "$exe")" && pwd)"
  while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d="$(dirname "$d")"; done
  BUILD_DIR="$d"
fi
here="$(cd "$(dirname "$0")" && pwd)"
source "${here}/wine-env.sh"
# Wine's helper processes (services, explorer) outlive the program and inherit
# its output handles; writing to a file instead of CTest's pipe keeps CTest from
# waiting on them.
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
rc=0
wine "$exe" "$@" >"$out" 2>&1 </dev/null || rc=$?
cat "$out"
exit "$rc"
