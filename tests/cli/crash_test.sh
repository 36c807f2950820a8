#!/usr/bin/env bash
# Crash safety: vardek-cli scan and delete are killed with SIGKILL at random
# moments; afterwards the catalog must be exactly as before or exactly as
# after the command, never missing and never cut.
# Usage: crash_test.sh VARDEK_CLI WORK_FOLDER [RUNS]
set -u
CLI=$1
WORK=$2
RUNS=${3:-100}
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$WORK" && mkdir -p "$WORK" || exit 2
cd "$WORK" || exit 2
export TZ=UTC

failed=0
now_ms() { date +%s%3N; }

# A catalog of some megabytes, so that reading, joining and writing take a
# while, with the title to delete in the middle.
awk -v titles=40 -v folders=25 -v files=60 -v victim=20 -f "$here/big_catalog.awk" >base.cat
mkdir -p tree/a tree/b
(cd tree/a && touch f{1..1500}.txt) && (cd tree/b && touch g{1..1500}.dat)

# The outcome of an uninterrupted run, and how long one takes.
reference() {  # reference NAME COMMAND...
  local name=$1
  shift
  cp base.cat work.cat
  local start
  start=$(now_ms)
  "$CLI" "$@" >/dev/null 2>&1 || { echo "reference run of $name failed"; exit 2; }
  duration=$(($(now_ms) - start))
  cp work.cat "$name.after"
  # Before and after must differ, or the test could not tell them apart.
  cmp -s base.cat "$name.after" && { echo "reference run of $name changed nothing"; exit 2; }
  return 0
}

# crash NAME RUNS BEFORE_FILE COMMAND...: each run starts from BEFORE_FILE
# (or no catalog when it is "-") and is killed after a random delay within
# the command's own duration.
crash() {
  local name=$1 runs=$2 before=$3
  shift 3
  local window=$((duration * 12 / 10 + 1))
  local asBefore=0 asAfter=0 killed=0 i
  for ((i = 0; i < runs; i++)); do
    if [ "$before" == "-" ]; then rm -f work.cat; else cp "$before" work.cat; fi
    "$CLI" "$@" >/dev/null 2>&1 &
    local pid=$!
    local delay=$(((RANDOM * 32768 + RANDOM) % window))
    sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
    kill -KILL "$pid" 2>/dev/null && killed=$((killed + 1))
    wait "$pid" 2>/dev/null
    if [ "$before" == "-" ] && [ ! -e work.cat ]; then
      asBefore=$((asBefore + 1))
    elif [ "$before" != "-" ] && cmp -s work.cat "$before"; then
      asBefore=$((asBefore + 1))
    elif cmp -s work.cat "$name.after"; then
      asAfter=$((asAfter + 1))
    else
      failed=$((failed + 1))
      echo "FAIL [$name] run $i (killed after ${delay} ms): catalog is neither as before nor as after" \
        "($( [ -e work.cat ] && wc -c <work.cat || echo missing) bytes)"
    fi
  done
  echo "$name: $runs runs killed within ${window} ms ($killed signalled before it ended): $asBefore as before, $asAfter as after"
}

reference scan scan work.cat "Crash disc" tree
crash scan "$RUNS" base.cat scan work.cat "Crash disc" tree
reference delete delete work.cat Victim
crash delete "$RUNS" base.cat delete work.cat Victim
# A scan into a catalog that does not exist yet: no catalog, or the new one.
rm -f work.cat 'work.$$$'
start=$(now_ms)
"$CLI" scan work.cat "Crash disc" tree >/dev/null 2>&1 || { echo "reference run of first failed"; exit 2; }
duration=$(($(now_ms) - start))
[ -s work.cat ] || { echo "reference run of first made no catalog"; exit 2; }
cp work.cat first.after
crash first $((RUNS / 5)) - scan work.cat "Crash disc" tree

echo "crash_test: $failed failures"
[ "$failed" -eq 0 ]
