#!/usr/bin/env bash
# The catalog commands on a catalog of about 2 GB (the benchmark catalog 44 times over, its titles
# repeated), side by side with the same tools as cli_bench.sh, and each one's peak memory: the cost
# must grow with the catalog and no faster.
# Usage: bench/large_bench.sh RELEASE_BUILD_DIR
source "$(dirname "$0")/setup.sh" "$1"
large="$data/large.cat"
if [ ! -f "$large" ]; then
  for _ in $(seq 44); do cat "$catalog"; done >"$large"
fi
echo "== vardek-cli on $(du -h "$large" | cut -f1), $(wc -l <"$large") lines (the benchmark catalog 44 times)"
hyperfine --warmup 1 --runs 5 --output=pipe --export-json "$data/large.json" \
  -n "vardek-cli find zx81" "$cli find zx81 $large" \
  -n "rg -i -c zx81" "rg -i -c zx81 $large" \
  -n "vardek-cli find .jpg" "$cli find .jpg $large" \
  -n "rg -i .jpg" "rg -i .jpg $large" \
  -n "vardek-cli titles" "$cli titles $large" \
  -n "vardek-cli check" "$cli check $large" \
  -n "vardek-cli bad-dates" "$cli bad-dates $large" \
  -n "wc -l" "wc -l $large"
python3 bench/ratios.py "$data/large.json" \
  "vardek-cli find zx81|rg -i -c zx81|1" \
  "vardek-cli find .jpg|rg -i .jpg|1" \
  "vardek-cli titles|wc -l|1" \
  "vardek-cli check|wc -l|2" \
  "vardek-cli bad-dates|vardek-cli check|1.2"
echo "== peak resident memory"
size_kib=$(( $(stat -c %s "$large") / 1024 ))
for args in "find zx81" "find .jpg" "check" "bad-dates" "titles"; do
  # shellcheck disable=SC2086
  rss=$(peak_kib "$cli" $args "$large")
  echo "   vardek-cli $args: ${rss} KiB (the catalog: $size_kib KiB)"
done
rows=$(( $("$cli" find .jpg "$catalog" 2>/dev/null | wc -l) * 44 ))
rss=$(peak_kib "$cli" find .jpg "$large")
none=$(peak_kib "$cli" find no-such-name "$large")
echo "   find .jpg beside a find of nothing: $(( (rss - none) * 1024 / rows )) bytes a row over $rows rows (goal: under 40)"
