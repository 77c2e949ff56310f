#!/usr/bin/env bash
# Prepares the Wine side of a build folder: a virtual display, the prefix (made
# once, about 20 s) and a persistent wineserver so each test starts quickly.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"

display_file="${BUILD_DIR}/wine-display"
if [ -f "$display_file" ] && xdpyinfo -display "$(cat "$display_file")" >/dev/null 2>&1; then
  :
else
  n=91
  while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
  Xvfb ":${n}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  echo $! > "${BUILD_DIR}/wine-xvfb.pid"
  for _ in $(seq 100); do
    xdpyinfo -display ":${n}" >/dev/null 2>&1 && break
    sleep 0.1
  done
  echo ":${n}" > "$display_file"
fi

source "${here}/wine-env.sh"

prepare_prefix() {
  wineboot -i </dev/null >/dev/null 2>&1 || true
  wineserver -w
  [ -f "${WINEPREFIX}/system.reg" ] || return 1
  "${here}/wine-fonts.sh" || return 1
  # A virtual display has no window manager: let Wine draw frames and captions
  # itself, so screenshots show them.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 || return 1
  # A crashing test must end, not wait in the debugger until CTest's time-out.
  wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f \
    </dev/null >/dev/null 2>&1 || true
  wineserver -w
}

# The marker is written only when every step above went through, so a prefix
# left half made by an interrupted run is finished or made anew, never used.
ready="${WINEPREFIX}/.panel-prefix-ready"
if [ ! -f "$ready" ]; then
  echo "wine-up: preparing the Wine prefix ${WINEPREFIX}"
  for attempt in 1 2; do
    if prepare_prefix; then
      touch "$ready"
      break
    fi
    echo "wine-up: preparing the prefix failed (attempt ${attempt}); starting it anew" >&2
    wineserver -k 2>/dev/null || true
    rm -rf "${WINEPREFIX}"
  done
  [ -f "$ready" ] || { echo "wine-up: could not prepare the Wine prefix" >&2; exit 1; }
fi
# Prefixes made before a font was added get it now.
"${here}/wine-fonts.sh"
# Wine links the prefix's documents folder to $HOME, which every prefix on the
# machine shares; each prefix gets a folder of its own so that panels written
# by one build folder's tests or run never meet another's.
documents="${WINEPREFIX}/drive_c/users/$(id -un)/Documents"
if [ -L "$documents" ]; then
  rm -f "$documents"
  mkdir -p "$documents"
fi
# An already running server (another run of the same folder) is fine.
wineserver -p </dev/null >/dev/null 2>&1 || true
# Start Wine's own background processes now, away from any caller's pipes: they
# outlive the program that starts them, and CTest would wait for them.
wine reg query 'HKCU\Software\Wine' </dev/null >/dev/null 2>&1 || true
