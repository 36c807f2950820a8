#!/usr/bin/env bash
# vardek-cli on the generated ~2,000,000-line catalog, side by side with
# grep in one run: find (a rare text and ".jpg"), list of the last title,
# check and bad-dates; then the peak memory of a find with a million hits.
# Usage: bench/cli_bench.sh RELEASE_BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
cli="$build/cli/vardek-cli"
data=${BENCH_DATA:-build/bench-data}
mkdir -p "$data"
catalog="$data/big.cat"
[ -f "$catalog" ] || python3 bench/generate_catalog.py "$catalog"
[ -x "$cli" ] || cmake --build "$build" --target vardek-cli

last=$("$cli" titles "$catalog" 2>/dev/null | tail -n 1)
echo "== vardek-cli: $(wc -l <"$catalog") lines, $(du -h "$catalog" | cut -f1), last title \"$last\""
echo "   find zx81: $("$cli" find zx81 "$catalog" 2>/dev/null | wc -l) rows, grep: $(grep -F -i -c zx81 "$catalog") lines"
echo "   find .jpg: $("$cli" find .jpg "$catalog" 2>/dev/null | wc -l) rows, grep: $(grep -F -i -c .jpg "$catalog") lines"

# Output through a pipe: GNU grep stops at the first match when it sees /dev/null.
hyperfine --warmup 2 --runs 10 --output=pipe --export-markdown "$data/cli.md" \
  -n "vardek-cli find zx81" "$cli find zx81 $catalog" \
  -n "grep -F -i -c zx81" "grep -F -i -c zx81 $catalog" \
  -n "vardek-cli find .jpg" "$cli find .jpg $catalog" \
  -n "grep -F -i -c .jpg" "grep -F -i -c .jpg $catalog" \
  -n "grep -F -i .jpg (prints the lines)" "grep -F -i .jpg $catalog" \
  -n "vardek-cli find --sort name .jpg" "$cli find --sort name .jpg $catalog" \
  -n "vardek-cli list (last title)" "$cli list $catalog '$last'" \
  -n "vardek-cli check" "$cli check $catalog" \
  -n "vardek-cli bad-dates" "$cli bad-dates $catalog" \
  -n "wc -l" "wc -l $catalog"

echo "== peak resident memory"
for args in "find .jpg" "find zx81" "find --sort date .jpg" "check" "bad-dates"; do
  # shellcheck disable=SC2086
  rss=$(/usr/bin/time -v "$cli" $args "$catalog" 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ {print $2}')
  echo "   vardek-cli $args: ${rss} KiB"
done
