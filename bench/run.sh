#!/usr/bin/env bash
# Every benchmark; each script prints its hyperfine tables. Usage: bench/run.sh RELEASE_BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
bash bench/core_bench.sh "$1"
if [ -f bench/cli_bench.sh ]; then bash bench/cli_bench.sh "$1"; fi
if [ -f bench/image_bench.sh ]; then bash bench/image_bench.sh "$1"; fi
bash bench/large_bench.sh "$1"
