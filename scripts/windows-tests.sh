#!/usr/bin/env bash
# The Windows program's checks, inside scripts/with-wine.sh: the cross-built suites under Wine,
# then the packed zf61.exe end to end, taken from the zip as a user takes it.
# Usage: scripts/windows-tests.sh BUILD_DIR DIST_DIR
set -euo pipefail

build=$1
dist=$2
here=$(cd "$(dirname "$0")" && pwd)

ctest --test-dir "$build" --output-on-failure

# The rooms suite again, in fresh processes: its threads once crashed the static program now and
# then, so every one of a few more runs must come through ($ZF61_ROOMS_RUNS, 3 by default).
for run in $(seq "${ZF61_ROOMS_RUNS:-3}"); do
  if ! log=$(timeout 600 wine "$build/bin/rooms_tests.exe" --gtest_brief=1 2>&1) ||
    ! grep -q "PASSED" <<<"$log" || grep -qi "unhandled" <<<"$log"; then
    echo "rooms suite, run $run:"
    echo "$log"
    exit 1
  fi
done
echo "rooms suite: ${ZF61_ROOMS_RUNS:-3} more runs clean"

unpacked="$build/from-zip"
rm -rf "$unpacked" && mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$(realpath "$OLDPWD/$dist")/zf61-windows.zip")
"$here/windows-e2e.sh" "$unpacked/zf61.exe" "$build/e2e"
