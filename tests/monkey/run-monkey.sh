#!/bin/bash
# Runs the random exerciser (vardek_monkey) on Vardek.exe of a Windows build
# tree, once per seed, each seed in a fresh folder of test catalogs, under Wine
# in Xvfb (or on $DISPLAY when there is one).
# Usage: tests/monkey/run-monkey.sh BUILD_DIR STEPS SEED [SEED...]
#        tests/monkey/run-monkey.sh BUILD_DIR --replay LOG   (the steps of a printed run, again)
# MONKEY_LEAVE_OUT=header,close (verbs of actions.cpp) leaves those actions out, to look past a fault.
# Exit code: 0 when no seed found a fault, 1 otherwise.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:?usage: run-monkey.sh BUILD_DIR STEPS SEED...}" && pwd)
shift
monkey_dir="$build/monkey"
export WINEPREFIX="$monkey_dir/wineprefix"
export WINEDEBUG=-all
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

windows_path() { echo "Z:$1" | tr / '\\'; }

# The prefix of the exerciser's own: a fake CD in D:, and nothing that the
# program opens with the shell (Program Info's help page, Check for updates'
# web address, Execute on a file of the disc) starts a browser or an editor:
# those file types and web addresses open rundll32 without arguments, which
# does nothing and ends.
prepare_prefix() {
  mkdir -p "$monkey_dir"
  "$root/cmake/wine-prefix" "$WINEPREFIX" || exit 1
  "$root/cmake/sample-disc-drive" "$WINEPREFIX"
  local mark="$WINEPREFIX/.vardek-monkey-ready-1"
  [ -f "$mark" ] && return 0
  local reg="$monkey_dir/harmless.reg"
  {
    printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\WineBrowser]' '"Browsers"=""' '"Mailers"=""' ''
    printf '%s\r\n' '[HKEY_CURRENT_USER\Software\Wine\AppDefaults\Vardek.exe\X11 Driver]' '"Managed"="N"' ''
    for ext in .txt .htm .html .jpg .jpeg .mp3 .raw .doc .exe .bat .com .lnk .url; do
      printf '%s\r\n' "[HKEY_CLASSES_ROOT\\$ext]" '@="vardekmonkey.nothing"' ''
    done
    for class in vardekmonkey.nothing http https htmlfile txtfile exefile batfile comfile; do
      printf '%s\r\n' "[HKEY_CLASSES_ROOT\\$class\\shell\\open\\command]" '@="C:\\windows\\system32\\rundll32.exe"' ''
    done
  } > "$reg"
  "$wine" regedit /S "$(windows_path "$reg")"
  "$wineserver" -w
  touch "$mark"
}

# The test catalogs: the sample, a new-format one with a title big enough that
# listing it pumps messages for a while, an old-format one (the program asks to
# convert it), and a text file whose name starts like a catalog's.
make_catalogs() {
  local dir=$1
  mkdir -p "$dir"
  cp "$root/samples/discs.cat" "$dir/discs.cat"
  awk 'BEGIN {
    printf "|||Big archive\r\n";
    for (d = 0; d < 30; d++) {
      printf "\\Folder%02d\r\n", d;
      for (f = 0; f < 500; f++) printf "file%02d%03d.txt:0%d/1%d/0%d\r\n", d, f, 1 + f % 9, f % 10, d % 10;
      printf "..\r\n";
    }
    printf "<eof>\r\n|||Small disc\r\nreadme.txt:07/14/04\r\n<eof>\r\n|||Bad dates\r\nleap.doc:02/30/01\r\n<eof>\r\n";
  }' > "$dir/big.cat"
  printf '%s\r\n' '@@@Old disc one' 'readme.txt 07-14-04' '\Docs' 'leap.doc 02-29-00' '..' '<eof>' \
    '@@@Old disc two' 'a.txt 01-01-01' 'bad.txt 02-29-01' '<eof>' > "$dir/old.cat"
  printf '%s\r\n' 'Notes, not a catalog.' 'Holiday photos are on the blue disc.' > "$dir/notes.catalog"
}

# The settings as the program keeps them, with `catalog` as the last one opened.
write_settings() {
  local catalog=$1 reg=$2
  local path
  path=$(windows_path "$catalog" | sed 's/\\/\\\\/g')
  printf '%s\r\n' 'REGEDIT4' '' '[-HKEY_CURRENT_USER\Software\Bramwick\Vardek\Settings]' '' \
    '[HKEY_CURRENT_USER\Software\Bramwick\Vardek\Settings]' "\"Fname\"=\"$path\"" '' > "$reg"
  "$wine" regedit /S "$(windows_path "$reg")"
}

# One run of the exerciser; its output also goes to the seed's log.txt.
# Usage: run_one NAME SEED ARGUMENTS...; the seed also picks the catalog the program starts with.
run_one() {
  local name=$1 seed_number=$2
  shift 2
  local work="$monkey_dir/$name"
  rm -rf "$work"
  make_catalogs "$work"
  local starts=(old.cat discs.cat big.cat)
  write_settings "$work/${starts[seed_number % 3]}" "$work/settings.reg"
  echo "== $name: the program starts with ${starts[seed_number % 3]}"
  "$wine" "$build/tests/monkey/vardek_monkey.exe" \
    --program "$(windows_path "$build/shell/Vardek.exe")" \
    --cli "$(windows_path "$build/cli/vardek-cli.exe")" \
    --folder "$(windows_path "$work")\\" "$@" 2>&1 | tr -d '\r' | tee "$work/log.txt"
  local result=${PIPESTATUS[0]}
  # Whatever the run left (a program opened with the shell) ends with the server.
  timeout 30 "$wineserver" -w || "$wineserver" -k
  return "$result"
}

if [ "${1:-}" = "--inside" ]; then
  shift
  failed=()
  if [ "${1:-}" = "--replay" ]; then
    log=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
    seed=$(sed -n 's/^seed \([0-9]*\),.*/\1/p' "$log" | head -1)
    cp "$log" "$monkey_dir/replay-input.txt"
    run_one "replay" "${seed:-0}" --seed "${seed:-0}" --replay "$(windows_path "$monkey_dir/replay-input.txt")" || failed+=(replay)
  else
    steps=$1
    shift
    for seed in "$@"; do
      run_one "seed-$seed" "$seed" --seed "$seed" --steps "$steps" ${MONKEY_LEAVE_OUT:+--leave-out "$MONKEY_LEAVE_OUT"} ||
        failed+=("$seed")
    done
  fi
  if [ ${#failed[@]} -gt 0 ]; then
    echo "monkey: faults found with seed(s) ${failed[*]} (logs in $monkey_dir/seed-*/log.txt)"
    exit 1
  fi
  echo "monkey: no fault found"
  exit 0
fi

[ $# -ge 2 ] || { echo "usage: $0 BUILD_DIR STEPS SEED... | BUILD_DIR --replay LOG" >&2; exit 2; }
prepare_prefix
if [ -n "${DISPLAY:-}" ]; then
  exec bash "$0" "$build" --inside "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build" --inside "$@"
