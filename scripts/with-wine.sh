#!/usr/bin/env bash
# Runs a command with Wine ready for it: a fresh Wine prefix in a temporary folder, a Japanese
# locale, a virtual X display with a window manager, and a running wine server (the first
# program under a cold server otherwise takes long enough to trip test timeouts). Wine's
# debugger is kept out: a program that crashes ends with an error at once instead of waiting
# on the debugger's window.
# Usage: scripts/with-wine.sh COMMAND [ARGS...]
set -euo pipefail

if [ -z "${ZF61_WINE_READY:-}" ]; then
  exec "$(dirname "$0")/with-display.sh" env ZF61_WINE_READY=1 "$0" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/zf61-wine.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" \
  LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win64

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i >/dev/null 2>&1 || true
wine cmd /c exit >/dev/null 2>&1 || true

"$@"
