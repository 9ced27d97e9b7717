#!/usr/bin/env bash
# The Windows program's checks, inside scripts/with-wine.sh: the cross-built suites under Wine,
# then the packed zf61.exe end to end, taken from the zip as a user takes it.
# Usage: scripts/windows-tests.sh BUILD_DIR DIST_DIR
set -euo pipefail

build=$1
dist=$2
here=$(cd "$(dirname "$0")" && pwd)

ctest --test-dir "$build" --output-on-failure

unpacked="$build/from-zip"
rm -rf "$unpacked" && mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$(realpath "$OLDPWD/$dist")/zf61-windows.zip")
"$here/windows-e2e.sh" "$unpacked/zf61.exe" "$build/e2e"
