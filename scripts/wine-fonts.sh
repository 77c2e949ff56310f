#!/usr/bin/env bash
# Fonts a Windows user has and this Wine lacks. Needs the wine-env.sh
# environment; quick when already done, so every start of a prefix runs it.
#  - Japanese fonts: their names map to the IPA fonts, so Japanese texts render
#    instead of boxes.
#  - Marlett, which draws the title-bar buttons: Wine does not find its own copy
#    in /usr/share/wine/fonts here, and shows the letters "0 1 r" instead.
set -euo pipefail
fonts="${WINEPREFIX}/drive_c/windows/Fonts"
marker="${WINEPREFIX}/.panel-fonts-2"
[ -f "$marker" ] && exit 0

key='HKCU\Software\Wine\Fonts\Replacements'
for pair in "MS UI Gothic=IPAPGothic" "MS Gothic=IPAGothic" "MS PGothic=IPAPGothic" \
            "ＭＳ ゴシック=IPAGothic" "ＭＳ Ｐゴシック=IPAPGothic" "MS Mincho=IPAMincho" "ＭＳ 明朝=IPAMincho"; do
  wine reg add "$key" /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f </dev/null >/dev/null 2>&1 \
    || { echo "wine-fonts: could not map ${pair%%=*}" >&2; exit 1; }
done

marlett=/usr/share/wine/fonts/marlett.ttf  # from the fonts-wine package
[ -f "$marlett" ] || { echo "wine-fonts: $marlett is missing (package fonts-wine)" >&2; exit 1; }
mkdir -p "$fonts"
cp "$marlett" "$fonts/marlett.ttf"
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /v 'Marlett (TrueType)' /t REG_SZ \
  /d marlett.ttf /f </dev/null >/dev/null 2>&1 || { echo "wine-fonts: could not register Marlett" >&2; exit 1; }
touch "$marker"
