#!/usr/bin/env bash
# Japanese Windows fonts are not here: map their names to the IPA fonts so that
# Japanese texts render instead of boxes. Needs the wine-env.sh environment.
set -euo pipefail
key='HKCU\Software\Wine\Fonts\Replacements'
for pair in "MS UI Gothic=IPAPGothic" "MS Gothic=IPAGothic" "MS PGothic=IPAPGothic" \
            "ＭＳ ゴシック=IPAGothic" "ＭＳ Ｐゴシック=IPAPGothic" "MS Mincho=IPAMincho" "ＭＳ 明朝=IPAMincho"; do
  wine reg add "$key" /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1 || echo "wine-fonts: could not map ${pair%%=*}" >&2
done
