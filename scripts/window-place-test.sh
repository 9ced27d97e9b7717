#!/usr/bin/env bash
# The Linux window keeps its place under a real window manager: started three times from a
# settings file and closed with Alt+N, it writes back the place it was given, including 0, 0.
# Run it inside scripts/with-display.sh. Usage: scripts/window-place-test.sh ZF61 OUT_DIR
set -euo pipefail

program=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
folder=$(mktemp -d "${TMPDIR:-/tmp}/zf61-place.XXXXXX")
trap 'rm -rf "$folder"' EXIT
cp "$program" "$here/samples/floor_plan/"* "$folder/"

fail() { echo "window-place: $*" >&2; exit 1; }

for place in "100 80" "0 0"; do
  read -r left top <<<"$place"
  printf '%s\r\n' "$left" "$top" 600 450 255 "" 128 0 24 4 >"$folder/zf61.dat"
  for run in 1 2 3; do
    (cd "$folder" && exec ./zf61 >/dev/null 2>&1) &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^塗り$' | head -1) ||
      fail "the window did not appear"
    sleep 1
    [ "$run" = 1 ] && import -window root "$out/place-$left-$top.png" 2>/dev/null || true
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+n >/dev/null 2>&1 || true
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "Alt+N did not close the window"
    saved=$(head -c 64 "$folder/zf61.dat" | tr -d '\r' | head -4 | tr '\n' ' ')
    [ "$saved" = "$left $top 600 450 " ] || fail "run $run from $left, $top saved: $saved"
  done
done
echo "window-place: the window kept its place"
