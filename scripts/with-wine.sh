#!/usr/bin/env bash
# Runs a command with Wine ready for it: a fresh Wine prefix in a temporary folder, a Japanese
# locale, a virtual X display with a window manager, and a running wine server (the first
# program under a cold server otherwise takes long enough to trip test timeouts).
# Usage: scripts/with-wine.sh COMMAND [ARGS...]
set -euo pipefail

work=$(mktemp -d "${TMPDIR:-/tmp}/zf61-wine.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win64

display=$((90 + RANDOM % 400))
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
export DISPLAY=":$display"

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${wm:-}" ] && kill "$wm" >/dev/null 2>&1 || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!

mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i >/dev/null 2>&1 || true
wine cmd /c exit >/dev/null 2>&1 || true

"$@"
