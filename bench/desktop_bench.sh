#!/usr/bin/env bash
# The desktop program under Wine in Xvfb, on its real windows: opening the
# generated ~2,000,000-line catalog into the title tree, filling the file list
# with the 100,000 files of one disc title and sorting them by a header click,
# and Find over the big catalog.
# Usage: bench/desktop_bench.sh WINDOWS_BUILD_DIR [RUNS [find]]   (built with -DVARDEK_BENCH=ON)
#   RUNS: runs of each step (3); "find": Find of the rare text alone.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "$1" && pwd)
data=${BENCH_DATA:-build/bench-data}
mkdir -p "$data"
[ -f "$data/big.cat" ] || python3 bench/generate_catalog.py "$data/big.cat"
[ -f "$data/wide.cat" ] || python3 bench/generate_wide_title.py "$data/wide.cat" 100000
exe="$build/bench/vardek-desktop-bench.exe"
[ -f "$exe" ] || cmake --build "$build" --target vardek-desktop-bench

windows_path() { local path; path=$(cd "$(dirname "$1")" && pwd)/$(basename "$1"); echo "Z:${path//\//\\}"; }

export VARDEK_WINEPREFIX="${VARDEK_WINEPREFIX:-$build/wineprefix}"
export WINEPREFIX="$VARDEK_WINEPREFIX"
export WINEDEBUG=-all
echo "== desktop program: $(/usr/lib/wine/wine64 --version) in Xvfb; big.cat $(wc -l < "$data/big.cat") lines," \
     "wide.cat $(wc -l < "$data/wide.cat") lines"
xvfb-run -a -s "-screen 0 1280x1024x24" cmake/wine-run "$exe" \
  "$(windows_path "$data/big.cat")" "$(windows_path "$data/wide.cat")" "${2:-3}" ${3:+"$3"}
