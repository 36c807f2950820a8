# What every benchmark script starts from, sourced with the release tree as
# its argument: the project's root as the working folder, vardek-cli built,
# the data folder, and the generated benchmark catalog.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=$1
cli="$build/cli/vardek-cli"
data=${BENCH_DATA:-build/bench-data}
mkdir -p "$data"
catalog="$data/big.cat"
[ -f "$catalog" ] || python3 bench/generate_catalog.py "$catalog"
[ -x "$cli" ] || cmake --build "$build" --target vardek-cli
# peak_kib COMMAND...: the command's peak resident memory in KiB, its output dropped.
# A command that finds nothing exits 1: its figure counts all the same.
peak_kib() { { /usr/bin/time -v "$@" 2>&1 >/dev/null || true; } | awk -F': ' '/Maximum resident/ {print $2}'; }
