#!/usr/bin/env bash
# check-imports.sh PROGRAM: only DLLs that every Windows 7 to 11 has.
set -euo pipefail
system=" ADVAPI32.DLL COMCTL32.DLL COMDLG32.DLL GDI32.DLL IMM32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEACC.DLL
 OLEAUT32.DLL SHELL32.DLL SHLWAPI.DLL USER32.DLL UXTHEME.DLL VERSION.DLL WINMM.DLL "
imports="$(i686-w64-mingw32-objdump -p "${1:?program}" | awk '/DLL Name:/ {print toupper($3)}')"
echo "imports:" $imports
[ -n "$imports" ] || exit 1
# The list's line breaks separate names as its spaces do.
for dll in $imports; do
  [[ " $(echo $system) " == *" $dll "* ]] || { echo "not a system DLL: $dll" >&2; exit 1; }
done
