#!/usr/bin/env bash
# Runs a command on a virtual X display of its own with a window manager (openbox), as a
# desktop would show the program. Usage: scripts/with-display.sh COMMAND [ARGS...]
set -euo pipefail

display=$((90 + RANDOM % 400))
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
export DISPLAY=":$display"

stop() {
  [ -n "${wm:-}" ] && kill "$wm" >/dev/null 2>&1 || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" >/dev/null 2>&1 || true
}
trap stop EXIT

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

"$@"
