#!/usr/bin/env bash
# check-imports.sh OBJDUMP BINARY [ALLOWED-DLL...]
# Fails when BINARY imports a DLL that is neither a Windows system DLL nor explicitly allowed
# (a mingw runtime DLL such as libstdc++-6.dll or libwinpthread-1.dll would fail it).
set -euo pipefail
objdump=$1 binary=$2; shift 2
system_dlls="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll shfolder.dll msvcrt.dll
ole32.dll oleaut32.dll comctl32.dll comdlg32.dll windowscodecs.dll winspool.drv version.dll
shlwapi.dll ntdll.dll"
allowed=" $(echo "$system_dlls" "$@" | tr 'A-Z' 'a-z' | tr '\n' ' ') "
status=0
imports=$("$objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p')
[ -n "$imports" ] || { echo "$binary: no import table found" >&2; exit 1; }
for dll in $imports; do
  lower=$(echo "$dll" | tr 'A-Z' 'a-z')
  case "$allowed" in
    *" $lower "*) echo "import ok: $dll" ;;
    *) echo "FORBIDDEN import: $dll" >&2; status=1 ;;
  esac
done
exit $status
