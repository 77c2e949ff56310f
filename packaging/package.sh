#!/usr/bin/env bash
# package.sh PROGRAM VERSION SOURCE_DIR STAGE_DIR OUT_DIR
# Stages the release files and writes OUT_DIR/PanelEditor-VERSION.zip and
# OUT_DIR/PanelEditor-VERSION-setup.exe. Texts for the user are Shift-JIS with
# CR LF, what Notepad on a Japanese Windows 7 to 11 opens as it is; the full
# user guide is an HTML page (UTF-8, which every browser reads) with its
# pictures in a folder beside it, opened by F1 in the program.
set -euo pipefail
program="${1:?program}"
version="${2:?version}"
src="${3:?source folder}"
stage="${4:?stage folder}"
out="${5:?output folder}"
base="PanelEditor-${version}"

windows_text() { iconv -f UTF-8 -t CP932 "$1" | sed 's/\r*$/\r/' > "$2"; }

rm -rf "$stage"
mkdir -p "$stage/$base" "$out"
files="$stage/$base"
cp "$program" "$files/PanelEditor.exe"
windows_text "$src/docs/quick-guide-ja.txt" "$files/README-ja.txt"
windows_text "$src/LICENSE" "$files/LICENSE.txt"
/usr/bin/python3 "$src/packaging/guide-html.py" "$src/docs/user-guide-ja.md" "$files/user-guide-ja.html"
commit="$(git -C "$src" rev-parse --short HEAD 2>/dev/null || true)"
{
  echo "機器操作パネル ${version}"
  [ -n "$commit" ] && echo "commit ${commit}"
  echo "32 ビット版 Windows 用 (Windows 7 から 11)"
} > "$stage/version.utf8"
windows_text "$stage/version.utf8" "$files/VERSION.txt"

rm -f "$out/$base.zip" "$out/$base-setup.exe"
# The commit's time inside the zip, so the same sources give the same zip.
stamp="$(git -C "$src" log -1 --format=%cI 2>/dev/null || date -u -Iseconds)"
find "$files" -exec touch -d "$stamp" {} +
(cd "$stage" && TZ=UTC zip -q -X -r "$out/$base.zip" "$base")

makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DFILES="$files" -DICON="$src/src/app/res/PanelEditor.ico" \
  -DOUTFILE="$out/$base-setup.exe" "$src/packaging/installer.nsi"
