#!/usr/bin/env bash
# Changes of one catalog by the Linux vardek-cli and by vardek-cli.exe under
# Wine take turns: while one side holds a change the other waits and is
# refused, and scans started together never lose or double a title.
# Usage: mixed_test.sh NATIVE_TREE WINDOWS_TREE WORK_FOLDER [ROUNDS [SEED]]
# Needs vardek-cli and vardek_hold_change built in both trees.
set -u
here=$(cd "$(dirname "$0")" && pwd)
native=$(cd "$1" && pwd) && windows=$(cd "$2" && pwd) || exit 2
WORK=$3
ROUNDS=${4:-30}
SEED=${5:-20240611}
WINE_RUN=$here/../../cmake/wine-run
LINUX_CLI=("$native/cli/vardek-cli")
LINUX_HOLD=("$native/tests/cli/vardek_hold_change")
WINE_CLI=("$WINE_RUN" "$windows/cli/vardek-cli.exe")
WINE_HOLD=("$WINE_RUN" "$windows/tests/cli/vardek_hold_change.exe")
BUSY="The catalog is being changed by another program - try again later"
WAIT_MS=3000  # kChangeWaitMilliseconds
# Wine's own errors and its process starts and ends, for a Wine side that
# fails without a word of its own (seen once in some three thousand rounds).
WINE_ERRORS=err+all,warn+process
rm -rf "$WORK" && mkdir -p "$WORK" || exit 2
cd "$WORK" || exit 2  # relative paths name the same files on both sides
WORK=$(pwd)
trap 'touch "$WORK/release"' EXIT  # a holder left behind lets go
export TZ=UTC

passed=0
failed=0
bad() {
  failed=$((failed + 1))
  echo "FAIL [$current] $1"
}
check() {  # check CONDITION_TEXT COMMAND...: counts the command's success
  local text=$1
  shift
  if "$@"; then passed=$((passed + 1)); else bad "$text"; fi
}
now_ms() { date +%s%3N; }
titles() { "${LINUX_CLI[@]}" titles "$1" 2>/dev/null | wc -l; }
no_temp_file() { ! ls -a | grep -qF '$$$'; }  # nor one moved off its name to be deleted

# A catalog of some megabytes, so that joining a title to it takes a moment.
awk -v titles=120 -v folders=30 -v files=80 -f "$here/big_catalog.awk" >base.cat
mkdir -p tree && (cd tree && touch f{1..300}.txt)
# One Wine server for the whole run (it ends by itself 5 s after the last
# program), so that Wine's start does not vary from one scan to the next.
export WINEPREFIX=${WINEPREFIX:-${VARDEK_WINEPREFIX:-${TMPDIR:-/tmp}/vardek-wineprefix}}
"$here/../../cmake/wine-prefix" "$WINEPREFIX" || exit 2
/usr/lib/wine/wineserver -p5 >/dev/null 2>&1
"${WINE_CLI[@]}" --version >/dev/null 2>&1

# One side holds a change of the catalog; the other side's scan must wait
# for the change wait, be refused, and leave the catalog as it was.
for pair in "Windows LINUX" "Linux WINE"; do
  read -r holder_name scanner <<<"$pair"
  current="$holder_name holds, the other side scans"
  if [ "$scanner" == LINUX ]; then hold=("${WINE_HOLD[@]}") scan=("${LINUX_CLI[@]}"); else hold=("${LINUX_HOLD[@]}") scan=("${WINE_CLI[@]}"); fi
  cp base.cat held.cat && rm -f ready release
  "${hold[@]}" held.cat ready release 60 >/dev/null 2>hold.err &
  holder=$!
  for ((i = 0; i < 300; i++)); do [ -e ready ] && break || sleep 0.1; done
  check "the holder took the change" test -e ready
  start=$(now_ms)
  "${scan[@]}" scan held.cat "New disc" tree >scan.out 2>scan.err
  rc=$? elapsed=$(($(now_ms) - start))
  touch release
  wait "$holder"
  hold_rc=$?
  check "scan exit status $rc, expected a failure" test "$rc" -ne 0
  check "scan did not say the catalog is busy: $(head -c 300 scan.err)" grep -qF "$BUSY" scan.err
  check "scan gave up after ${elapsed} ms, before the change wait" test "$elapsed" -ge $((WAIT_MS - 100))
  check "the catalog changed" cmp -s base.cat held.cat
  check "holder exit status $hold_rc: $(head -c 300 hold.err)" test "$hold_rc" -eq 0
  check "a temp file was left: $(ls | grep -F '$$$')" no_temp_file
done

# Scans by both sides at once, started a random moment apart around the
# point where both would begin their change together.
current="reference scans"
timed_scan() {  # timed_scan CATALOG CLI...: the scan's duration in ms
  local catalog=$1
  shift
  local start
  start=$(now_ms)
  "$@" scan "$catalog" "Reference" tree >/dev/null 2>&1 || { echo "reference scan failed: $*" >&2; exit 2; }
  echo $(($(now_ms) - start))
}
cp base.cat ref.cat && linux_ms=$(timed_scan ref.cat "${LINUX_CLI[@]}") || exit 2
cp base.cat ref.cat && wine_ms=$(timed_scan ref.cat "${WINE_CLI[@]}") || exit 2
echo "mixed scans: seed $SEED, $ROUNDS rounds; one scan takes ${linux_ms} ms on Linux, ${wine_ms} ms under Wine"
RANDOM=$SEED
base_titles=$(titles base.cat)
# Wide enough for either to go first, narrow enough for most rounds to collide.
spread=$(((linux_ms + wine_ms) / 2 + 20))
for ((round = 1; round <= ROUNDS; round++)); do
  current="round $round of seed $SEED"
  cp base.cat mixed.cat
  # Positive: Linux starts later, by the difference in durations and a random part.
  offset=$((wine_ms - linux_ms + RANDOM % (2 * spread + 1) - spread))
  linux_delay=0 wine_delay=0
  if [ "$offset" -gt 0 ]; then linux_delay=$offset; else wine_delay=$((-offset)); fi
  (sleep "$(printf '%d.%03d' $((linux_delay / 1000)) $((linux_delay % 1000)))" &&
    exec "${LINUX_CLI[@]}" scan mixed.cat "Linux disc $round" tree) >linux.out 2>linux.err &
  linux_pid=$!
  (sleep "$(printf '%d.%03d' $((wine_delay / 1000)) $((wine_delay % 1000)))" &&
    WINEDEBUG=$WINE_ERRORS exec "${WINE_CLI[@]}" scan mixed.cat "Windows disc $round" tree) >wine.out 2>wine.err &
  wine_pid=$!
  wait "$linux_pid"
  linux_rc=$?
  wait "$wine_pid"
  wine_rc=$?
  succeeded=0
  for side in linux wine; do
    rc_name=${side}_rc
    if [ "${!rc_name}" -eq 0 ]; then
      succeeded=$((succeeded + 1))
    else
      check "$side scan failed otherwise than busy: $(head -c 300 $side.err) (stdout: $(head -c 300 $side.out))" \
        grep -qF "$BUSY" $side.err
    fi
  done
  count=$(titles mixed.cat)
  echo "  round $round: offset ${offset} ms, Linux exit $linux_rc, Wine exit $wine_rc, $count titles"
  check "$count titles, expected $((base_titles + succeeded))" test "$count" -eq $((base_titles + succeeded))
  check "check found faults: $("${LINUX_CLI[@]}" check mixed.cat 2>&1 | head -c 300)" \
    "${LINUX_CLI[@]}" check mixed.cat >/dev/null 2>&1
  check "a temp file was left: $(ls | grep -F '$$$')" no_temp_file
done

# A disc image: the Linux side reads it, the Windows side leaves it to
# Windows (mount it, scan its drive) and saves nothing.
current="a disc image on both sides"
xorriso -as mkisofs -quiet -J -R -o tree.iso tree 2>/dev/null
cp base.cat image.cat && cp base.cat image.before
"${WINE_CLI[@]}" scan image.cat "Image" tree.iso >/dev/null 2>wine.err
wine_rc=$?
check "Windows scan of an image exited $wine_rc, expected 2" test "$wine_rc" -eq 2
check "Windows scan of an image said: $(head -c 300 wine.err)" grep -qF "Disc images are read by mounting them" wine.err
check "Windows scan of an image changed the catalog" cmp -s image.cat image.before
check "a temp file was left: $(ls | grep -F '$$$')" no_temp_file
check "Linux scan of the image failed" "${LINUX_CLI[@]}" scan image.cat "Image" tree.iso >/dev/null 2>&1
check "Linux scan of the image added no title" test "$(titles image.cat)" -eq "$(($(titles image.before) + 1))"

echo "mixed: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
