#!/usr/bin/env bash
# The catalog reader against `wc -l`, and a disc scan against `find`, side by side in one run.
# Usage: bench/core_bench.sh RELEASE_BUILD_DIR
set -euo pipefail
build=$1
data=${BENCH_DATA:-build/bench-data}
mkdir -p "$data"
[ -f "$data/big.cat" ] || python3 bench/generate_catalog.py "$data/big.cat"
[ -d "$data/tree" ] || python3 bench/generate_tree.py "$data/tree" 200000

echo "== catalog reader: $(wc -l < "$data/big.cat") lines, $(du -h "$data/big.cat" | cut -f1)"
"$build/bench/vardek-read-bench" "$data/big.cat"
hyperfine --warmup 3 --runs 20 --export-markdown "$data/reader.md" \
  "$build/bench/vardek-read-bench $data/big.cat" \
  "wc -l $data/big.cat"

echo "== scan: $(find "$data/tree" -type f | wc -l) files"
hyperfine --warmup 2 --runs 10 --export-markdown "$data/scan.md" \
  "$build/bench/vardek-scan-bench $data/tree $data/scan.tmp" \
  "find $data/tree -printf '%f %TD\n' > /dev/null"
