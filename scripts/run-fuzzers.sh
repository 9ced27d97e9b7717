#!/usr/bin/env bash
# Runs every fuzz target for a bounded time over its corpus: the committed seeds, the real
# exchange files beside the project and the samples. Fails on any finding.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail
build=${1:?build folder}
seconds=${2:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in fuzz_reader fuzz_picture fuzz_settings fuzz_bmp fuzz_tracer fuzz_metafile fuzz_solids; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  cp -n "$root/fuzz/seeds/$target/"* "$corpus/" 2>/dev/null || true
  if [ "$target" = fuzz_reader ]; then
    cp -n "$root"/../shared/samples/real/*.txt "$corpus/" 2>/dev/null || true
  fi
  echo "== $target for ${seconds}s"
  if ! (cd "$build" && "./bin/$target" -max_total_time="$seconds" -print_final_stats=1 \
          -rss_limit_mb=4096 -timeout=30 "corpus/$target" 2>&1 | tail -n 12); then
    echo "$target: FINDING (see $build for the crash input)"
    status=1
  fi
done
exit $status
