#!/usr/bin/env bash
# Fails when an include runs upward between the source layers, or when the
# portable layers reach for the platform. Lowest layer first; a folder may
# include its own layer and any lower one.
set -euo pipefail
src="$(cd "$(dirname "$0")/../src" && pwd)"

layers=(
  "devices/core bitmap"  # portable
  "table faces"          # portable
  "commissioning"        # portable
  "winui"
  "devices/win"
  "data"
  "editor"
  "app"
)
portable_layers=3

rank_of() {  # the layer of a folder such as "devices/win" or "table"
  local i
  for i in "${!layers[@]}"; do
    for folder in ${layers[$i]}; do
      [ "$1" = "$folder" ] && { echo "$i"; return; }
    done
  done
  echo -1
}

folder_of() {  # "devices/core/IrSend.h" -> "devices/core", "table/X.h" -> "table"
  case "$1" in
    devices/*) echo "${1%%/*}/$(echo "$1" | cut -d/ -f2)" ;;
    */*) echo "${1%%/*}" ;;
    *) echo "" ;;
  esac
}

failures=0
while IFS= read -r file; do
  rel="${file#"$src"/}"
  own="$(rank_of "$(folder_of "$rel")")"
  [ "$own" -ge 0 ] || { echo "check-layers: $rel is in no layer" >&2; failures=$((failures + 1)); continue; }
  while IFS= read -r line; do
    target="$(echo "$line" | sed -E 's/^[^"]*"([^"]+)".*/\1/')"
    rank="$(rank_of "$(folder_of "$target")")"
    [ "$rank" -ge 0 ] || continue  # a file of the same folder or a generated header
    if [ "$rank" -gt "$own" ]; then
      echo "check-layers: $rel includes $target, a layer above it" >&2
      failures=$((failures + 1))
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
  if [ "$own" -lt "$portable_layers" ] && grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<windows' "$file"; then
    echo "check-layers: $rel is portable but includes windows.h" >&2
    failures=$((failures + 1))
  fi
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) ! -path "$src/app/res/*" | sort)

if [ "$failures" -gt 0 ]; then
  echo "check-layers: $failures include(s) against the layer order" >&2
  exit 1
fi
echo "check-layers: every include follows the layer order"
