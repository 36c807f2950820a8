#!/usr/bin/env bash
# Runs every fuzz target for a set time, starting from the saved corpus.
# New inputs go to a scratch corpus in the build folder; merge the useful
# ones into fuzz/corpus/<target> with -merge=1 by hand.
# Usage: fuzz/run.sh BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail
build=${1:?build folder}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for target in line_reader check collect convert delete bad_dates; do
  binary="$build/fuzz/fuzz_$target"
  scratch="$build/fuzz/corpus-$target"
  mkdir -p "$scratch"
  echo "== fuzz_$target for ${seconds}s"
  if ! "$binary" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$build/fuzz/crash-$target-" "$scratch" "$here/corpus/$target"; then
    echo "fuzz_$target found a failure; see $build/fuzz/crash-$target-*"
    status=1
  fi
done
exit $status
