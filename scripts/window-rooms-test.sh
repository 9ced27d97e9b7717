#!/usr/bin/env bash
# Rooms picked in the Linux window with the mouse and keys, under a real window manager: three
# rooms side by side; the left one picked, the middle one skipped, Delete clears both, the left
# one picked again, the right one picked and un-picked; Alt+G paints, Alt+Y hands the picture
# back. The picture must show the left room alone in the fill colour.
# Run it inside scripts/with-display.sh. Usage: scripts/window-rooms-test.sh ZF61 OUT_DIR
set -euo pipefail

program=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
folder=$(mktemp -d "${TMPDIR:-/tmp}/zf61-rooms.XXXXXX")
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/"

fail() { echo "window-rooms: $*" >&2; exit 1; }

# Three rooms of 100 x 100 in a row, their walls meeting the outline in mid-line.
printf '%s\r\n' hq "0 0 300 0" "300 0 300 100" "300 100 0 100" "0 100 0 0" \
  "100 0 100 100" "200 0 200 100" >"$folder/JWC_TEMP.TXT"
# At 40, 40, 800 x 500; red, "fill.bmp", opaque, 32 bits, 部屋.
printf '%s\r\n' 40 40 800 500 255 fill.bmp 255 0 24 4 1 0 1 >"$folder/zf61.dat"

(cd "$folder" && exec ./zf61 >/dev/null 2>&1) &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^塗り$' | head -1) ||
  fail "the window did not appear"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# The drawing area is the client area less the side panel (178) and the status line; the
# drawing is fitted and centred in it, its width limiting the scale, so that a fifth of the
# area's width either side of its centre lies well inside the outer rooms.
box_width=$((WIDTH - 178))
cx=$((X + box_width / 2)) cy=$((Y + (HEIGHT - 20) / 2)) step=$((box_width / 5))
click() { xdotool mousemove --sync "$1" "$cy" click "$2"; sleep 0.7; }
click $((cx - step)) 1  # the left room picked
click "$cx" 3           # the middle one skipped
import -window root "$out/rooms-picked.png" 2>/dev/null || true
xdotool key Delete; sleep 0.5
click $((cx - step)) 1
click $((cx + step)) 1  # picked and un-picked
click $((cx + step)) 1
xdotool key --clearmodifiers alt+g; sleep 1.5
import -window root "$out/rooms-painted.png" 2>/dev/null || true
xdotool key --clearmodifiers alt+y
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Alt+Y did not close the window"
grep -q '\^@BM' "$folder/JWC_TEMP.TXT" || fail "no picture record: $(cat "$folder/JWC_TEMP.TXT")"
[ -f "$folder/fill.bmp" ] || fail "no picture"

pixel() { convert "$folder/fill.bmp" -format "%[pixel:p{$1,$(((HEIGHT - 20) / 2))}]" info:; }
left=$(pixel $((box_width / 2 - step))) middle=$(pixel $((box_width / 2)))
right=$(pixel $((box_width / 2 + step)))
cp "$folder/fill.bmp" "$out/rooms-fill.bmp"
case "$left" in red | "srgb(255,0,0)") ;; *) fail "the left room is $left, not red" ;; esac
case "$middle$right" in "whitewhite" | "srgb(255,255,255)srgb(255,255,255)") ;;
  *) fail "the middle and right rooms are $middle and $right, not white" ;;
esac
echo "window-rooms: picked, skipped, cleared and un-picked rooms made the picture asked for"
