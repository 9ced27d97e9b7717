#!/usr/bin/env bash
# Packs the Windows program for Jw_cad users: dist/zf61-windows.zip with zf61.exe (stripped),
# the batch file zf61.bat and 使い方.txt, both Shift-JIS with CR LF as Windows' Notepad and
# Jw_cad read them. Fails when the program would load a DLL that Windows does not ship.
# Usage: scripts/package-windows.sh BUILD_DIR DIST_DIR
set -euo pipefail

build=$1
dist=$2
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$build/bin/zf61.exe"

# What every Windows has; anything else would have to travel with the program.
allowed='^(kernel32|user32|gdi32|gdiplus|comdlg32|comctl32|msvcrt|advapi32|shell32|ole32)\.dll$'
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
for dll in $dlls; do
  lower=$(echo "$dll" | tr 'A-Z' 'a-z')
  [[ "$lower" =~ $allowed ]] || { echo "package-windows: zf61.exe needs $dll" >&2; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
x86_64-w64-mingw32-strip -o "$stage/zf61.exe" "$exe"
cp "$here/packaging/jw_cad/zf61.bat" "$stage/zf61.bat"
iconv -f UTF-8 -t CP932 "$here/packaging/windows/使い方.txt" | sed 's/$/\r/' >"$stage/使い方.txt"
mkdir -p "$dist"
zip_file="$(realpath "$dist")/zf61-windows.zip"
rm -f "$zip_file"
# Names are stored in UTF-8 with the zip format's UTF-8 flag, which Windows' Explorer reads
# (CMake's archiver sets it; Info-ZIP's zip keeps the name in an extra field Explorer ignores).
(cd "$stage" && LC_ALL=C.UTF-8 cmake -E tar cf "$zip_file" --format=zip zf61.exe zf61.bat 使い方.txt)
echo "package-windows: $zip_file ($(stat -c %s "$zip_file") bytes;" \
  "zf61.exe $(stat -c %s "$stage/zf61.exe") bytes, loads: $(echo $dlls | tr '\n' ' '))"
