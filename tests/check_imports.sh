#!/usr/bin/env bash
# The program must run on a bare Windows: it may import only system DLLs
# (comdlg32 for the open dialog).
set -eu
objdump=$1 exe=$2
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|shell32|winmm|shlwapi|msimg32|imm32|advapi32|msvcrt|api-ms-win-crt-[a-z0-9-]+)\.dll$'
dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no import table found in $exe"; exit 1; }
bad=$(printf '%s\n' $dlls | grep -v -E "$allowed" || true)
if [ -n "$bad" ]; then echo "unexpected DLL imports: $bad"; exit 1; fi
echo "imports: $(echo $dlls)"
