#!/bin/sh
# Checks the 32-bit release executable: a 32-bit GUI program that imports only
# DLLs Windows ships, carrying its icon and version information.
# Usage: check-release.sh build/win32/Tramvelt.exe
set -eu
exe=$1
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; fail=1; fi; }
headers=$(i686-w64-mingw32-objdump -p "$exe")
check "PE32 for i386" 'echo "$headers" | grep -q "file format pei-i386"'
check "GUI subsystem" 'echo "$headers" | grep -qE "^Subsystem[[:space:]]+00000002"'
imports=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
allowed="advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll"
for dll in $imports; do
  check "import $dll is a Windows DLL" 'echo " $allowed " | grep -q " $dll "'
done
check "imports the registry, window and drawing DLLs" \
  'for d in advapi32.dll user32.dll gdi32.dll; do echo "$imports" | grep -qx "$d" || exit 1; done'
# Loaded when a tooltip or a link first needs them: importing them slows start-up.
check "does not import comctl32 or shell32" '! echo "$imports" | grep -qxE "comctl32.dll|shell32.dll"'
# Resource names and version strings are stored in UTF-16: look for their bytes.
hex=$(od -An -v -tx1 "$exe" | tr -d ' \n')
has() {
  pattern=$(printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n' | sed 's/../&00/g')
  case "$hex" in *"$pattern"*) return 0 ;; *) return 1 ;; esac
}
check "icon MAINICON" 'has MAINICON'
check "version information" 'has VS_VERSION_INFO && has ProductName'
check "window descriptions" 'has MAINFORM_DESC && has INFOFORM_DESC'
size=$(wc -c < "$exe")
echo "size: $size bytes"
check "size under 1 MiB" '[ "$size" -lt 1048576 ]'
exit $fail
