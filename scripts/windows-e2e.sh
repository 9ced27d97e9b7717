#!/usr/bin/env bash
# zf61.exe end to end under Wine, as Jw_cad runs it: a program folder with a Japanese name
# holding the program, JWC_TEMP.TXT and zf61.dat; the window is driven with the keyboard
# (Alt+G, Alt+Y; Alt+N), and the files it leaves are checked. Run it inside
# scripts/with-wine.sh. Usage: scripts/windows-e2e.sh ZF61_EXE OUT_DIR
set -euo pipefail

exe=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
root=$(mktemp -d "${TMPDIR:-/tmp}/zf61-e2e.XXXXXX")
folder="$root/図面 フォルダ"
trap 'rm -rf "$root"' EXIT

fail() { echo "windows-e2e: $*" >&2; exit 1; }
cp932() { iconv -f UTF-8 -t CP932; }
crlf() { sed 's/$/\r/'; }

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
  local seconds=$1; shift
  for _ in $(seq $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Starts the program in its folder, as the batch file does, and waits for its window.
start_program() {
  (cd "$folder" && exec wine zf61.exe >/dev/null 2>&1) &
  program=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^塗り$' | head -1) ||
    fail "the window did not appear"
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  sleep 1
}

finished() { ! kill -0 "$program" 2>/dev/null; }

keys() {
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers "$@"
}

mkdir -p "$folder"
cp "$exe" "$folder/zf61.exe"
cp "$here/samples/floor_plan/"* "$folder/"
target_win="$(winepath -w "$folder")\\塗り.bmp"
# Settings: the window at 40, 30, 800 x 600; red, opaque; the picture's name; white; 32 bits.
printf '%s\n' 40 30 800 600 255 "$target_win" 255 0 24 4 | crlf | cp932 >"$folder/zf61.dat"

echo "windows-e2e: generate and hand back in $folder"
start_program
keys alt+g
wait_for 60 test -s "$folder/zf61_temp.BMP" || fail "Alt+G made no picture"
sleep 1
import -window root "$out/generated.png" 2>/dev/null || true
keys alt+y
wait_for 60 finished || fail "Alt+Y did not close the window"

record=$(printf '%s' "^@BM$target_win," | cp932)
grep -aqF "$record" "$folder/JWC_TEMP.TXT" || fail "no picture record in JWC_TEMP.TXT: $(cat -A "$folder/JWC_TEMP.TXT")"
[ -s "$folder/塗り.bmp" ] || fail "the picture was not copied to its name"
[ ! -e "$folder/zf61_temp.BMP" ] || fail "the temporary picture is still there"
[ "$(head -c 2 "$folder/塗り.bmp")" = "BM" ] || fail "the picture is not a BMP"
red=$(convert "$folder/塗り.bmp" -fill black +opaque 'rgb(255,0,0)' -format '%[fx:mean*w*h]' info:)
[ "${red%.*}" -gt 100 ] || fail "the picture has no red rooms ($red)"
head -c 10 "$folder/zf61.dat" | grep -q $'^40\r\n30\r\n' || fail "the settings did not keep the window's place"
cp "$folder/JWC_TEMP.TXT" "$out/JWC_TEMP.TXT"
cp "$folder/塗り.bmp" "$out/picture.bmp"

echo "windows-e2e: cancel"
printf '%s\n' hq '0 0 100 0' '100 0 100 100' '100 100 0 100' '0 100 0 0' | crlf >"$folder/JWC_TEMP.TXT"
start_program
keys alt+n
wait_for 60 finished || fail "Alt+N did not close the window"
[ "$(cat "$folder/JWC_TEMP.TXT")" = $'hq\r' ] || fail "Cancel left: $(cat -A "$folder/JWC_TEMP.TXT")"
echo "windows-e2e: passed"
