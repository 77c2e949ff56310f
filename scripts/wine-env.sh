# Sourced: the environment every Wine run of this project uses. Needs BUILD_DIR.
export WINEPREFIX="${BUILD_DIR}/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
if [ -f "${BUILD_DIR}/wine-display" ]; then
  export DISPLAY="$(cat "${BUILD_DIR}/wine-display")"
fi
