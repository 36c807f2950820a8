#!/usr/bin/env bash
# vardek-cli on the generated ~2,000,000-line catalog, side by side with the
# standard tools in one run: find of a rare text against ripgrep, find of a
# frequent one (rows printed) against grep, titles and check against wc -l,
# bad-dates against check, a sort of a million rows, find --all over a folder
# of catalogs; then the peak memory of a find with a million hits.
# Usage: bench/cli_bench.sh RELEASE_BUILD_DIR
source "$(dirname "$0")/setup.sh" "$1"
# find --all: the same catalog eight times in a folder of its own.
many="$data/many"
if [ ! -f "$many/8.cat" ]; then
  mkdir -p "$many"
  for i in 1 2 3 4 5 6 7 8; do cp "$catalog" "$many/$i.cat"; done
fi

last=$("$cli" titles "$catalog" 2>/dev/null | tail -n 1)
echo "== vardek-cli: $(wc -l <"$catalog") lines, $(du -h "$catalog" | cut -f1), last title \"$last\""
echo "   find zx81: $("$cli" find zx81 "$catalog" 2>/dev/null | wc -l) rows, rg: $(rg -i -c zx81 "$catalog") lines"
echo "   find .jpg: $("$cli" find .jpg "$catalog" 2>/dev/null | wc -l) rows, grep: $(grep -F -i -c .jpg "$catalog") lines"

# Output through a pipe: GNU grep stops at the first match when it sees /dev/null.
hyperfine --warmup 2 --runs 20 --output=pipe --export-markdown "$data/cli.md" --export-json "$data/cli.json" \
  -n "vardek-cli find zx81" "$cli find zx81 $catalog" \
  -n "rg -i -c zx81" "rg -i -c zx81 $catalog" \
  -n "grep -F -i -c zx81" "grep -F -i -c zx81 $catalog" \
  -n "vardek-cli find .jpg" "$cli find .jpg $catalog" \
  -n "grep -F -i -c .jpg" "grep -F -i -c .jpg $catalog" \
  -n "rg -i .jpg" "rg -i .jpg $catalog" \
  -n "vardek-cli find --sort name .jpg" "$cli find --sort name .jpg $catalog" \
  -n "vardek-cli titles" "$cli titles $catalog" \
  -n "vardek-cli list (last title)" "$cli list $catalog '$last'" \
  -n "vardek-cli check" "$cli check $catalog" \
  -n "vardek-cli bad-dates" "$cli bad-dates $catalog" \
  -n "wc -l" "wc -l $catalog" \
  -n "vardek-cli find --all zx81 (8 catalogs)" "$cli find --all zx81 $many/1.cat" \
  -n "rg -i -c zx81 (8 catalogs)" "rg -i -c zx81 $many"

echo "== goals, as ratios of this run's medians"
python3 bench/ratios.py "$data/cli.json" \
  "vardek-cli find zx81|rg -i -c zx81|1" \
  "vardek-cli find .jpg|rg -i .jpg|1" \
  "vardek-cli find .jpg|grep -F -i -c .jpg|" \
  "vardek-cli titles|wc -l|1" \
  "vardek-cli check|wc -l|2" \
  "vardek-cli bad-dates|vardek-cli check|1.2" \
  "vardek-cli find --all zx81 (8 catalogs)|rg -i -c zx81 (8 catalogs)|"

echo "== sorting the rows of find .jpg by name (the sort alone, from the program's own clock)"
"$build/bench/vardek-sort-bench" "$catalog" .jpg

echo "== peak resident memory"
size_kib=$(( $(stat -c %s "$catalog") / 1024 ))
for args in "find .jpg" "find zx81" "find --sort date .jpg" "check" "bad-dates"; do
  # shellcheck disable=SC2086
  rss=$(peak_kib "$cli" $args "$catalog")
  echo "   vardek-cli $args: ${rss} KiB (the catalog: $size_kib KiB)"
done
# Bytes a row at several counts and on both catalogs, beside the peak of the same find when it
# finds nothing (the program and its pieces of the catalog; goal: under 40). The catalog is read in
# pieces, so its bytes are not in the peak: beside them the figure would read below zero.
other="$data/other.cat"
[ -f "$other" ] || python3 bench/generate_other_catalog.py "$other"
for pair in "$catalog .jpg" "$other .jpg" "$other img" "$other .m" "$catalog .txt"; do
  read -r file text <<<"$pair"
  file_kib=$(( $(stat -c %s "$file") / 1024 ))
  rows=$("$cli" find "$text" "$file" 2>/dev/null | wc -l)
  rss=$(peak_kib "$cli" find "$text" "$file")
  none=$(peak_kib "$cli" find no-such-name "$file")
  echo "   find $text in $(basename "$file") ($file_kib KiB): $rows rows, ${rss} KiB peak," \
       "$(( (rss - none) * 1024 / rows )) bytes a row beside a find of nothing (goal: under 40)"
done
# A sorted find holds every row in one list until it prints them.
rows=$("$cli" find .m "$other" 2>/dev/null | wc -l)
rss=$(peak_kib "$cli" find --sort name .m "$other")
none=$(peak_kib "$cli" find --sort name no-such-name "$other")
echo "   find --sort name .m in $(basename "$other"): $rows rows, $(( (rss - none) * 1024 / rows ))" \
     "bytes a row beside a find of nothing"

echo "== duplicates and stats over the catalog (goal for duplicates: under 1 s and under 100 bytes a file)"
hyperfine --warmup 1 --runs 10 --output=pipe --export-json "$data/collect.json" \
  -n "vardek-cli duplicates" "$cli duplicates $catalog" \
  -n "vardek-cli duplicates --name-only" "$cli duplicates --name-only $catalog" \
  -n "vardek-cli stats" "$cli stats $catalog" \
  -n "vardek-cli report" "$cli report $catalog -o $data/report.html"
files=$(grep -c ':' "$catalog")
for args in "duplicates" "duplicates --name-only" "stats"; do
  # shellcheck disable=SC2086
  rss=$(peak_kib "$cli" $args "$catalog")
  echo "   vardek-cli $args: ${rss} KiB peak, $(( rss * 1024 / files )) bytes a file over $files file lines"
done

# find's patterns and date filters against ripgrep with the regular expression that finds the same
# file lines (a file line is NAME:MM/DD/YY; the counts are printed first to show they agree).
echo "== find with a pattern and with a date filter, against rg -i with the same regular expression (goal: 1.5x)"
wild_rare='^setup....\.exe:'
wild_many='^[^:]*\.jp[^:]*g:'
dated='^[^:]*\.jpg[^:]*:[0-9]{2}/[0-9]{2}/04'
echo "   find 'setup????.exe': $("$cli" find 'setup????.exe' "$catalog" 2>/dev/null | wc -l) rows, rg: $(rg -i -c "$wild_rare" "$catalog")"
echo "   find '*.jp*g': $("$cli" find '*.jp*g' "$catalog" 2>/dev/null | wc -l) rows, rg: $(rg -i -c "$wild_many" "$catalog")"
echo "   find --since 2004-01-01 --until 2004-12-31 .jpg: $("$cli" find --since 2004-01-01 --until 2004-12-31 .jpg "$catalog" 2>/dev/null | wc -l) rows, rg: $(rg -i -c "$dated" "$catalog")"
hyperfine --warmup 2 --runs 20 --output=pipe --export-json "$data/filters.json" \
  -n "vardek-cli find 'setup????.exe'" "$cli find 'setup????.exe' $catalog" \
  -n "rg -i -c '$wild_rare'" "rg -i -c '$wild_rare' $catalog" \
  -n "vardek-cli find '*.jp*g'" "$cli find '*.jp*g' $catalog" \
  -n "rg -i '$wild_many'" "rg -i '$wild_many' $catalog" \
  -n "vardek-cli find --since --until .jpg" "$cli find --since 2004-01-01 --until 2004-12-31 .jpg $catalog" \
  -n "rg -i -c '$dated'" "rg -i -c '$dated' $catalog"
python3 bench/ratios.py "$data/filters.json" \
  "vardek-cli find 'setup????.exe'|rg -i -c '$wild_rare'|1.5" \
  "vardek-cli find '*.jp*g'|rg -i '$wild_many'|1.5" \
  "vardek-cli find --since --until .jpg|rg -i -c '$dated'|1.5"

# The same goals on a catalog of another mix (bench/generate_other_catalog.py) and, for find --all,
# on a folder of 200 small catalogs cut from it at title lines.
other="$data/other.cat"
[ -f "$other" ] || python3 bench/generate_other_catalog.py "$other"
small="$data/small"
if [ ! -f "$small/200.cat" ]; then
  mkdir -p "$small"
  titles=$(grep -c '^|||' "$other")
  awk -v per=$(( titles / 200 )) -v dir="$small" \
    '/^\|\|\|/ { k = int(n / per) + 1; n++; if (k > 200) k = 200; if (k != f) { close(file); f = k } file = sprintf("%s/%d.cat", dir, k) }
     { print > file }' "$other"
fi
echo "== the goals on a catalog of another mix: $(wc -l <"$other") lines, $(du -h "$other" | cut -f1), and on $(ls "$small" | wc -l) small catalogs"
echo "   find setup32: $("$cli" find setup32 "$other" 2>/dev/null | wc -l) rows, rg: $(rg -i -c setup32 "$other")"
hyperfine --warmup 2 --runs 20 --output=pipe --export-json "$data/other.json" \
  -n "vardek-cli find setup32" "$cli find setup32 $other" \
  -n "rg -i -c setup32" "rg -i -c setup32 $other" \
  -n "vardek-cli find .jpg" "$cli find .jpg $other" \
  -n "rg -i .jpg" "rg -i .jpg $other" \
  -n "vardek-cli titles" "$cli titles $other" \
  -n "vardek-cli check" "$cli check $other" \
  -n "vardek-cli bad-dates" "$cli bad-dates $other" \
  -n "wc -l" "wc -l $other" \
  -n "vardek-cli find --all setup32 (200 catalogs)" "$cli find --all setup32 $small/1.cat" \
  -n "rg -i -c setup32 (200 catalogs)" "rg -i -c setup32 $small"
python3 bench/ratios.py "$data/other.json" \
  "vardek-cli find setup32|rg -i -c setup32|1" \
  "vardek-cli find .jpg|rg -i .jpg|1" \
  "vardek-cli titles|wc -l|1" \
  "vardek-cli check|wc -l|2" \
  "vardek-cli bad-dates|vardek-cli check|1.2" \
  "vardek-cli find --all setup32 (200 catalogs)|rg -i -c setup32 (200 catalogs)|1"
