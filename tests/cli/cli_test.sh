#!/usr/bin/env bash
# End-to-end tests of vardek-cli: each case runs the built program on real
# files and folders and checks its output, its reports and its exit status.
# Usage: cli_test.sh VARDEK_CLI WORK_FOLDER
CLI=$1
WORK=$2
source "$(cd "$(dirname "$0")" && pwd)/harness.sh"

stamp() { touch -d "$1 12:00:00" "$2"; }

# A disc tree with known dates.
mkdir -p tree/Pictures/Raw tree/Music empty
for f in readme.txt index.htm; do echo x >"tree/$f" && stamp 2004-07-14 "tree/$f"; done
echo x >tree/Pictures/beach.jpg && stamp 2004-07-02 tree/Pictures/beach.jpg
echo x >tree/Pictures/Raw/img0001.raw && stamp 2004-07-02 tree/Pictures/Raw/img0001.raw
echo x >tree/Music/song.mp3 && stamp 2004-06-30 tree/Music/song.mp3
catalog holiday.expected "|||Holiday photos 2004" "index.htm:07/14/04" "readme.txt:07/14/04" \
  '\Music' "song.mp3:06/30/04" ".." '\Pictures' "beach.jpg:07/02/04" '\Raw' "img0001.raw:07/02/04" ".." ".." "<eof>"

begin "version and help"
run --version; expect_rc 0; expect_out "Vardek 2.23"
run --help; expect_rc 0; expect_out_has "vardek-cli find"
run; expect_rc 2
run frobnicate; expect_rc 2; expect_err_has "unknown command"
for command in scan titles list find check bad-dates delete convert duplicates stats report; do
  run "$command" --help; expect_rc 0; expect_out_has "Usage: vardek-cli $command"
done
run find --bogus x y.cat; expect_rc 2; expect_err_has "unknown option --bogus"
run list only-one-operand; expect_rc 2; expect_err_has "missing operand"

begin "scan into a missing catalog"
run scan holiday "Holiday photos 2004" tree
expect_rc 0
expect_file_eq holiday.cat holiday.expected
expect_missing 'holiday.$$$'
expect_err_has "1 titles in catalog"
expect_err_lacks "$CR"   # no progress line when standard error is not a terminal

begin "second scan goes first"
mkdir -p tree2 && echo x >tree2/setup.exe && stamp 1999-01-05 tree2/setup.exe
run scan holiday.cat "Backup disc 1" tree2/
expect_rc 0
printf '|||Backup disc 1\r\nsetup.exe:01/05/99\r\n<eof>\r\n' >joined.expected
cat holiday.expected >>joined.expected
expect_file_eq holiday.cat joined.expected
expect_err_has "2 titles in catalog"
run titles holiday.cat
expect_rc 0; expect_out "Backup disc 1
Holiday photos 2004"
expect_err_has "2 titles in catalog"

begin "scan: forced extension"
cp holiday.expected notes.txt
run scan notes.txt "Backup disc 1" tree2
expect_rc 0
[ -f notes.cat ] && ok || bad "notes.cat not created"
expect_file_eq notes.txt holiday.expected

begin "scan: descriptions"
cp holiday.cat before.cat
run scan holiday.cat "" tree; expect_rc 2; expect_err_has "You must supply a disk description."
d79=$(printf 'd%.0s' {1..79}); d80="${d79}x"
run scan holiday.cat "$d80" tree; expect_rc 2; expect_err_has "at most 79"
expect_file_eq holiday.cat before.cat
run scan long.cat "$d79" tree2; expect_rc 0
[ "$(head -n1 long.cat)" == "|||$d79$CR" ] && ok || bad "79-character description not stored"

begin "scan: nothing to save"
run scan holiday.cat "Empty" empty; expect_rc 1; expect_err_has "No files found - Nothing saved!"
expect_file_eq holiday.cat before.cat
expect_missing 'holiday.$$$'
run scan holiday.cat "Nowhere" no-such-folder; expect_rc 2
expect_file_eq holiday.cat before.cat

begin "scan: 15 levels written, deeper folders counted, every reader takes it"
deep=deep; for i in $(seq 1 20); do deep="$deep/L$i"; done
mkdir -p "$deep"
p=deep; for i in $(seq 1 20); do p="$p/L$i"; echo x >"$p/f$i.txt"; done
run scan deep.cat "Deep" deep; expect_rc 0
expect_err_has "Folders not scanned because they lie deeper than 15 levels: 1"
[ "$(grep -c '^\\' deep.cat)" -eq 15 ] && ok || bad "expected 15 folder lines"
grep -q '^f15.txt:' deep.cat && ok || bad "level 15 file missing"
grep -q '^f16.txt:' deep.cat && bad "level 16 file written" || ok
run check deep.cat; expect_rc 0; expect_err_has "File is good"
run find f15 deep.cat; expect_rc 0; expect_out_has "f15.txt"

begin "list"
run list holiday.cat "Holiday photos 2004"
expect_rc 0
expect_out "index.htm${TAB}07/14/04${TAB}\\${TAB}Holiday photos 2004
readme.txt${TAB}07/14/04${TAB}\\${TAB}Holiday photos 2004
song.mp3${TAB}06/30/04${TAB}\\Music${TAB}Holiday photos 2004
beach.jpg${TAB}07/02/04${TAB}\\Pictures${TAB}Holiday photos 2004
img0001.raw${TAB}07/02/04${TAB}\\Pictures\\Raw${TAB}Holiday photos 2004"
expect_err_has "5 files found"
run list holiday.cat "holiday photos 2004"; expect_rc 1; expect_err_has "0 files found"
run list missing.cat "Holiday photos 2004"; expect_rc 2; expect_err_has "missing.cat: Error opening file"

begin "find files"
run find README holiday.cat
expect_rc 0; expect_out "readme.txt${TAB}07/14/04${TAB}\\${TAB}Holiday photos 2004"
expect_err_has "1 files found"
run find .JPG holiday.cat; expect_rc 0; expect_out_has "beach.jpg"
run find '*.JPG' holiday.cat; expect_rc 0; expect_out "beach.jpg${TAB}07/02/04${TAB}\\Pictures${TAB}Holiday photos 2004"
run find '*.jp' holiday.cat; expect_rc 1; expect_err_has "0 files found"   # over the whole name
run find "" holiday.cat; expect_rc 2
t39=$(printf 'q%.0s' {1..39})
run find "$t39" holiday.cat; expect_rc 1
run find "${t39}q" holiday.cat; expect_rc 2; expect_err_has "at most 39"
run find e holiday.cat missing.cat; expect_rc 2; expect_err_has "Error opening file"; expect_out_has "readme.txt"

begin "find folders"
run find --folders raw holiday.cat
expect_rc 0; expect_out "${TAB}${TAB}\\Pictures\\Raw${TAB}Holiday photos 2004"
expect_err_has "1 folders found"
run find --folders '\p' holiday.cat; expect_rc 0; expect_out "${TAB}${TAB}\\Pictures${TAB}Holiday photos 2004"
run find --folders 'ictures' holiday.cat; expect_rc 0; expect_out "${TAB}${TAB}\\Pictures${TAB}Holiday photos 2004"

begin "find --sort and --reverse"
catalog dates.cat "|||Dates" "e.txt:01/01/80" "c.txt:01/01/00" "a.txt:01/01/81" "d.txt:12/31/79" "b.txt:12/31/99" \
  "tie1.txt:05-07-03" "tie2.txt:05/07/03" "<eof>"
run find --sort date .txt dates.cat
expect_rc 0
[ "$(cut -f1 out | tr '\n' ' ')" == "a.txt b.txt c.txt tie1.txt tie2.txt d.txt e.txt " ] && ok || bad "date order"
run find --sort=date --reverse .txt dates.cat
[ "$(cut -f1 out | tr '\n' ' ')" == "e.txt d.txt tie1.txt tie2.txt c.txt b.txt a.txt " ] && ok || bad "reverse date order, ties in catalog order"
catalog names.cat "|||Names" "c.doc:01/01/01" "B.doc:01/01/01" "a.doc:01/01/01" '\Sub' "b.doc:01/01/01" ".." "<eof>"
run find --sort name .doc names.cat
[ "$(cut -f1,3 out | tr '\n\t' ' :')" == 'a.doc:\ B.doc:\ b.doc:\Sub c.doc:\ ' ] && ok || bad "name order a, B, c with ties kept"
run find --sort name --reverse .doc names.cat
[ "$(cut -f1,3 out | tr '\n\t' ' :')" == 'c.doc:\ B.doc:\ b.doc:\Sub a.doc:\ ' ] && ok || bad "name order reversed"
run find --sort folder .doc names.cat
[ "$(cut -f1 out | tail -n1)" == "b.doc" ] && ok || bad "folder order"
run find --reverse .doc names.cat
[ "$(cut -f1 out | tr '\n' ' ')" == "b.doc a.doc B.doc c.doc " ] && ok || bad "catalog order reversed"
run find --sort size .doc names.cat; expect_rc 2
catalog titles2.cat "|||zeta" "z.doc:01/01/01" "<eof>" "|||Alpha" "y.doc:01/01/01" "<eof>"
run find --sort title .doc titles2.cat
[ "$(cut -f4 out | tr '\n' ' ')" == "Alpha zeta " ] && ok || bad "title order"

begin "find patterns and filters"
catalog filters.cat "|||Setup disc" "setup01.exe:01/01/80" "setup1.exe:12/31/79" "setup123.exe:12/31/50" \
  "readme.txt:01/01/51" "<eof>" "|||Photos" "a.jpeg:06/15/99" "b.jpg:99/99/99" "<eof>"
run find 'setup??.exe' filters.cat; expect_rc 0; expect_out "setup01.exe${TAB}01/01/80${TAB}\\${TAB}Setup disc"
run find '*' --since 1980-01-01 --until 1980-01-01 filters.cat
expect_rc 0; expect_out "setup01.exe${TAB}01/01/80${TAB}\\${TAB}Setup disc"
expect_err_has "1 files found"; expect_err_has "3 files left out: their dates cannot be read"
run find --since 2050-12-31 e filters.cat; expect_rc 0; expect_out_has "setup123.exe"; expect_err_has "1 files found"
run find --disc PHOTO --until 1999-06-15 '*.jp*g' filters.cat
expect_rc 0; expect_out "a.jpeg${TAB}06/15/99${TAB}\\${TAB}Photos"; expect_err_has "1 files left out"
run find --disc photo setup filters.cat; expect_rc 1; expect_err_has "0 files found"; expect_err_lacks "left out"
run find --since 2024-02-30 e filters.cat; expect_rc 2; expect_err_has "--since takes a date YYYY-MM-DD"
run find --until 99-01-01 e filters.cat; expect_rc 2
run find --folders --since 2000-01-01 e filters.cat; expect_rc 2
run find --folders 'p*s' holiday.cat; expect_rc 0; expect_out "${TAB}${TAB}\\Pictures${TAB}Holiday photos 2004"
run find --help; expect_rc 0; expect_out_has "--since DATE"; expect_out_has "'setup??.exe'"

begin "find --all"
mkdir -p shelf
catalog shelf/one.cat "|||One" "report.doc:01/01/01" "<eof>"
catalog shelf/two.CAT "|||Two" "report.txt:01/01/01" "<eof>"
catalog shelf/three.txt "|||Three" "report.pdf:01/01/01" "<eof>"
run find report shelf/one.cat; expect_rc 0; expect_out_has "report.doc"
[ "$(wc -l <out)" -eq 1 ] && ok || bad "without --all only one catalog"
run find --all report shelf/one.cat
expect_rc 0
[ "$(cut -f1,4 out | tr '\n\t' ' :')" == "report.doc:One report.txt:Two " ] && ok || bad "--all searches every *.cat"
expect_err_has "2 files found"

begin "UTF-8 in and out"
mkdir -p accents && echo x >"accents/été.txt" && stamp 2010-03-01 "accents/été.txt"
run scan accents.cat "Café disc" accents; expect_rc 0
grep -q $'^|||Caf\xe9 disc\r$' accents.cat && ok || bad "description not stored as Windows-1252"
grep -q $'^\xe9t\xe9.txt:03/01/10\r$' accents.cat && ok || bad "file name not stored as Windows-1252"
run titles accents.cat; expect_out "Café disc"
run find ÉTÉ accents.cat; expect_rc 1
run find été accents.cat; expect_rc 0; expect_out "été.txt${TAB}03/01/10${TAB}\\${TAB}Café disc"
run list accents.cat "Café disc"; expect_rc 0; expect_out_has "été.txt"

begin "check"
run check holiday.cat; expect_rc 0; expect_err_has "File is good"; expect_err_has "6 files found"
catalog climb.cat "|||Bad" "a.txt:01/01/01" ".." "<eof>"
run check climb.cat; expect_rc 1
expect_err_has "Directory tree is corrupt."; expect_err_has "Attempt to go below the root folder."
expect_err_has "Line number: 3"; expect_err_lacks "File is good"
{
  printf '|||Long\r\n'
  for i in $(seq 2 1233); do printf 'f%d.txt:01/01/01\r\n' "$i"; done
  printf '..\r\n<eof>\r\n'
} >long-check.cat
run check long-check.cat; expect_rc 1; expect_err_has "Line number: 1,234"
run check missing.cat; expect_rc 2; expect_err_has "Error opening file"

begin "bad dates"
catalog dates2.cat "|||Leap" "good.txt:02/29/00" "bad1.txt:02/29/01" '\F' "bad2.txt:01/01/51" "ok.txt:12/31/99" "today.txt:12/08/26" ".." \
  "none.txt:" "<eof>"
run bad-dates dates2.cat
expect_rc 0
expect_out "bad1.txt${TAB}02/29/01${TAB}\\${TAB}Leap
bad2.txt${TAB}01/01/51${TAB}\\F${TAB}Leap
none.txt${TAB}${TAB}\\${TAB}Leap"
expect_err_has "3 files found"
run bad-dates holiday.cat; expect_rc 1; expect_err_has "0 files found"
run bad-dates missing.cat; expect_rc 2

begin "delete"
catalog backups.cat "|||Backup" "a.txt:01/01/01" "<eof>" "|||Other" "b.txt:01/01/01" "<eof>" "|||BACKUP" "c.txt:01/01/01" "<eof>"
cp backups.cat backups.before
run delete backups.cat "No such disc"; expect_rc 1
expect_file_eq backups.cat backups.before
run delete backups.cat backup; expect_rc 0; expect_err_has "1 titles in catalog"
catalog backups.expected "|||Other" "b.txt:01/01/01" "<eof>"
expect_file_eq backups.cat backups.expected
expect_missing 'backups.$$$'
run delete backups.cat ""; expect_rc 2; expect_err_has "You must supply a disk description."
run delete backups.cat Other; expect_rc 0
expect_missing backups.cat
run delete backups.cat Other; expect_rc 2; expect_err_has "Error opening file"

begin "old format: refused, then converted"
catalog old.cat "@@@Holiday photos 2004" "readme.txt 07-14-04" "bad.txt 02-29-01" "my file.txt" '\Docs' "leap.doc 02-29-00" ".." "<eof>"
cp old.cat old.before
run scan old.cat "New disc" tree2; expect_rc 2; expect_err_has "Data must be in the new format for changes to be made"
expect_file_eq old.cat old.before
run delete old.cat "Holiday photos 2004"; expect_rc 2; expect_err_has "Data must be in the new format for changes to be made"
expect_file_eq old.cat old.before
run titles old.cat; expect_rc 0; expect_out "Holiday photos 2004"
run find readme old.cat; expect_rc 0; expect_out "readme.txt${TAB}07-14-04${TAB}\\${TAB}Holiday photos 2004"
run convert old.cat; expect_rc 0; expect_err_has "1 titles in catalog"
catalog old.expected "|||Holiday photos 2004" "readme.txt:07/14/04" "bad.txt:00/00/00" "my:00/00/00" '\Docs' \
  "leap.doc:02/29/00" ".." "<eof>"
expect_file_eq old.cat old.expected
expect_missing 'old.$$$'
run convert old.cat; expect_rc 0; expect_err_has "already in the new format"
expect_file_eq old.cat old.expected
run scan old.cat "New disc" tree2; expect_rc 0; expect_err_has "2 titles in catalog"
run convert missing.cat; expect_rc 2

begin "a stale temp file linked to the catalog"
cp holiday.expected stale.cat
ln stale.cat 'stale.$$$'
run scan stale.cat "Backup disc 1" tree2; expect_rc 0
printf '|||Backup disc 1\r\nsetup.exe:01/05/99\r\n<eof>\r\n' >stale.expected
cat holiday.expected >>stale.expected
expect_file_eq stale.cat stale.expected

begin "progress line on a terminal only"
run check long-check.cat; expect_err_lacks "Checking"; expect_err_lacks "$CR"
if command -v script >/dev/null 2>&1; then
  script -qec "'$CLI' check long-check.cat" /dev/null >tty.out 2>&1
  grep -q "${CR}Checking long-check.cat: [0-9]*%" tty.out && ok || bad "no progress line on a terminal"
  grep -q "Line number: 1,234" tty.out && ok || bad "check under a terminal"
else
  echo "note: 'script' not installed, terminal case skipped"
fi

begin "scan: a description with a line break is refused"
cp holiday.cat before.cat
for description in "$(printf 'A\r\n<eof>\r\n|||B')" "$(printf 'A\nB')" "$(printf 'A\rB')"; do
  run scan holiday.cat "$description" tree; expect_rc 2
  expect_err_has "The disk description must not hold a line break (CR or LF) - Nothing saved!"
  expect_file_eq holiday.cat before.cat; expect_missing 'holiday.$$$'
done

begin "scan: names that would read as another line, and bytes that are not UTF-8"
mkdir -p odd/sub
for f in '@@@fake' '@@two' 'sub/@@@inner' $'caf\xe9.txt'; do echo x >"odd/$f" && stamp 2004-07-14 "odd/$f"; done
run scan odd.cat "Odd" odd; expect_rc 0
expect_err_has 'Names whose first character became "?" so that they do not read as another catalog line: 2'
catalog odd.expected "|||Odd" "?@@fake:07/14/04" "@@two:07/14/04" "caf?.txt:07/14/04" '\sub' "?@@inner:07/14/04" ".." "<eof>"
expect_file_eq odd.cat odd.expected
run titles odd.cat; expect_rc 0; expect_out "Odd"
run check odd.cat; expect_rc 0; expect_err_has "File is good"

begin "scan: a folder path of 260 bytes or more"
a=$(printf 'a%.0s' {1..200}); b=$(printf 'b%.0s' {1..58})
mkdir -p "$a/$b" "$a/${b:1}" && echo x >"$a/$b/in.txt" && echo x >"$a/${b:1}/in.txt"
run scan longroot.cat "Long" "$a/$b"; expect_rc 2
expect_err_has "The folder's path is longer than 259 bytes - Nothing saved!"; expect_err_lacks "No files found"
expect_missing longroot.cat; expect_missing 'longroot.$$$'
run scan longroot.cat "Long" "$a/${b:1}"; expect_rc 0; expect_err_has "1 titles in catalog"

# --- Changes of one catalog: exclusive, and safe with hostile catalog paths ---
SYNC_SHIM=${3:-}
BUSY_TEXT="The catalog is being changed by another program - try again later"
# run_limited ARGS...: as run, but a command that waits on its input is stopped.
run_limited() {
  timeout 20 "$CLI" "$@" >out 2>err
  rc=$?
}
expect_only() {  # expect_only FOLDER NAME...: the folder holds exactly these names
  local folder=$1
  shift
  [ "$(cd "$folder" && ls -A | sort | tr '\n' ' ')" == "$(printf '%s\n' "$@" | sort | tr '\n' ' ')" ] && ok ||
    bad "$folder holds $(cd "$folder" && ls -A | tr '\n' ' ')"
}

begin "concurrent scans and deletes of one catalog"
mkdir -p crowd
old_titles=()
for i in $(seq 1 8); do old_titles+=("|||Old $i" "o$i.txt:01/01/01" "<eof>"); done
catalog crowd/c.cat "${old_titles[@]}"
pids=()
for i in $(seq 1 24); do "$CLI" scan crowd/c.cat "New $i" tree2 >"crowd/scan$i.log" 2>&1 & pids+=("$!:scan:$i"); done
for i in $(seq 1 8); do "$CLI" delete crowd/c.cat "Old $i" >"crowd/delete$i.log" 2>&1 & pids+=("$!:delete:$i"); done
added=() deleted=() refused=0
for entry in "${pids[@]}"; do
  IFS=: read -r pid command i <<<"$entry"
  wait "$pid"
  status=$?
  if [ "$status" -eq 0 ]; then
    [ "$command" == scan ] && added+=("$i") || deleted+=("$i")
  elif [ "$status" -eq 2 ] && grep -qF "$BUSY_TEXT" "crowd/$command$i.log"; then
    refused=$((refused + 1))
  else
    bad "$command $i ended with $status: $(head -c 300 "crowd/$command$i.log")"
  fi
done
rm -f crowd/*.log
[ "${#added[@]}" -gt 0 ] && [ "${#deleted[@]}" -gt 0 ] && ok || bad "${#added[@]} scans and ${#deleted[@]} deletes succeeded"
run titles crowd/c.cat
[ "$(wc -l <out)" -eq $((8 + ${#added[@]} - ${#deleted[@]})) ] && ok ||
  bad "$(wc -l <out) titles after ${#added[@]} scans, ${#deleted[@]} deletes and $refused refusals"
for i in "${added[@]}"; do [ "$(grep -cx "New $i" out)" -eq 1 ] && ok || bad "New $i not there once"; done
for i in "${deleted[@]}"; do grep -qx "Old $i" out && bad "Old $i survived its delete" || ok; done
run check crowd/c.cat; expect_rc 0; expect_err_has "File is good"
expect_only crowd c.cat

begin "catalogs that are no files: refused at once, no temp file left"
mkdir -p hostile
# Every command opens a pipe; the commands that change a catalog meet the rest.
for kind in pipe folder dangling loop; do
  commands="scan delete convert"
  [ "$kind" == pipe ] && commands="$commands titles list find check bad-dates"
  for command in $commands; do
    rm -rf hostile && mkdir hostile
    case $kind in
      folder) mkdir hostile/x.cat ;;
      dangling) ln -s gone.cat hostile/x.cat ;;
      loop) ln -s y.cat hostile/x.cat && ln -s x.cat hostile/y.cat ;;
      pipe) mkfifo hostile/x.cat ;;
    esac
    before=$(cd hostile && ls -A | sort | tr '\n' ' ')
    current="$kind: $command"
    case $command in
      scan) run_limited scan hostile/x.cat "Disc" tree2 ;;
      delete | list) run_limited "$command" hostile/x.cat "Disc" ;;
      find) run_limited find a hostile/x.cat ;;
      *) run_limited "$command" hostile/x.cat ;;
    esac
    expect_rc 2
    expect_err_has "Error opening file"
    [ "$(cd hostile && ls -A | sort | tr '\n' ' ')" == "$before" ] && ok || bad "left: $(cd hostile && ls -A)"
  done
done
rm -rf hostile && mkdir hostile
catalog hostile/a.cat "|||A" "report.doc:01/01/01" "<eof>"
mkfifo hostile/b.cat
current="pipe: find --all"
run_limited find --all report hostile/a.cat
expect_rc 2; expect_out_has "report.doc"; expect_err_has "b.cat: Error opening file"

begin "a linked or private catalog: its file changes, the link and the permissions stay"
for way in link plain; do
  for command in scan delete convert; do
    rm -rf linked && mkdir linked
    if [ "$command" == convert ]; then
      catalog linked/real.cat "@@@Old disc" "a.txt 01-01-01" "<eof>"
    else
      catalog linked/real.cat "|||Keep" "k.txt:01/01/01" "<eof>" "|||Gone" "g.txt:01/01/01" "<eof>"
    fi
    chmod 600 linked/real.cat
    names="real.cat" target=linked/real.cat
    [ "$way" == link ] && ln -s real.cat linked/link.cat && names="link.cat real.cat" target=linked/link.cat
    current="$way: $command"
    case $command in
      scan) run scan "$target" "New disc" tree2; first="|||New disc" ;;
      delete) run delete "$target" Gone; first="|||Keep" ;;
      convert) run convert "$target"; first="|||Old disc" ;;
    esac
    expect_rc 0
    [ "$way" == plain ] || [ -L linked/link.cat ] && ok || bad "the link was replaced by a file"
    [ "$(head -n1 linked/real.cat)" == "$first$CR" ] && ok || bad "the catalog's file did not change"
    [ "$(stat -c %a linked/real.cat)" == 600 ] && ok || bad "permissions now $(stat -c %a linked/real.cat)"
    expect_only linked $names
  done
done

begin "a delete or conversion that would leave nothing"
catalog twins.cat "|||Backup" "a.txt:01/01/01" "<eof>" "|||BACKUP" "b.txt:01/01/01" "<eof>"
run delete twins.cat backup; expect_rc 0
expect_missing twins.cat; expect_missing 'twins.$$$'
expect_err_has "No title is left - the catalog file was deleted"; expect_err_has "0 titles in catalog"
printf 'word\r\nanother\r\n' >words.cat && cp words.cat words.before
run convert words.cat; expect_rc 2
expect_err_has "No line of the catalog could be converted - Catalog unchanged"
expect_file_eq words.cat words.before; expect_missing 'words.$$$'

begin "a catalog named like its temp file"
catalog 'odd.$$$' "@@@Old disc" "a.txt 01-01-01" "<eof>"
cp 'odd.$$$' odd.before
run convert 'odd.$$$'; expect_rc 2; expect_err_has "its own temp file"
expect_file_eq 'odd.$$$' odd.before

begin "a folder that cannot be synced after the rename"
if [ -n "$SYNC_SHIM" ]; then
  rm -f synced.cat
  for step in first second; do
    current="folder sync: $step scan"
    LD_PRELOAD=$SYNC_SHIM ASAN_OPTIONS=verify_asan_link_order=0 "$CLI" scan synced.cat "Disc $step" tree2 >out 2>err
    rc=$?
    expect_rc 0; expect_err_lacks "Error"
  done
  current="folder sync: delete"
  LD_PRELOAD=$SYNC_SHIM ASAN_OPTIONS=verify_asan_link_order=0 "$CLI" delete synced.cat "Disc first" >out 2>err
  rc=$?
  expect_rc 0; expect_err_has "1 titles in catalog"
  run titles synced.cat; expect_out "Disc second"
else
  echo "note: no folder-sync library given, case skipped"
fi

begin "list: any description a title line holds"
d80=$(printf 'd%.0s' {1..80}); d82=$(printf 'e%.0s' {1..82}); d83=$(printf 'f%.0s' {1..83})
catalog wide.cat "|||$d80" "a.txt:01/01/01" "<eof>" "|||$d82" "b.txt:01/01/01" "<eof>" "|||$d83" "c.txt:01/01/01" "<eof>"
run list wide.cat "$d80"; expect_rc 0; expect_out "a.txt${TAB}01/01/01${TAB}\\${TAB}$d80"
run list wide.cat "$d82"; expect_rc 0; expect_out "b.txt${TAB}01/01/01${TAB}\\${TAB}$d82"
run list wide.cat "$d83"; expect_rc 2; expect_err_has "The disk description is 83 characters long; at most 82 are allowed."

begin "duplicates"
catalog dup1.cat "|||Disc one" "README.TXT:07/14/04" '\Docs' "notes.doc:01/02/03" ".." "<eof>" \
  "|||Disc two" "readme.txt:07/14/04" "notes.doc:01/02/04" "caf$(printf '\xe9').txt:01/01/01" "<eof>"
catalog dup2.cat "|||Disc one" '\Old' "notes.doc:01/02/03" "CAF$(printf '\xc9').TXT:01/01/01" ".." "<eof>"
run duplicates dup1.cat; expect_rc 0
expect_out "README.TXT${TAB}07/14/04${TAB}\\${TAB}Disc one${TAB}1
readme.txt${TAB}07/14/04${TAB}\\${TAB}Disc two${TAB}1"
expect_err_has "1 groups of duplicates, 2 copies"
run duplicates --name-only dup1.cat; expect_rc 0
expect_out "notes.doc${TAB}01/02/03${TAB}\\Docs${TAB}Disc one${TAB}1
notes.doc${TAB}01/02/04${TAB}\\${TAB}Disc two${TAB}1
README.TXT${TAB}07/14/04${TAB}\\${TAB}Disc one${TAB}2
readme.txt${TAB}07/14/04${TAB}\\${TAB}Disc two${TAB}2"
run duplicates dup1.cat dup2.cat; expect_rc 0
expect_out "notes.doc${TAB}01/02/03${TAB}\\Docs${TAB}Disc one${TAB}1
notes.doc${TAB}01/02/03${TAB}\\Old${TAB}Disc one${TAB}1
README.TXT${TAB}07/14/04${TAB}\\${TAB}Disc one${TAB}2
readme.txt${TAB}07/14/04${TAB}\\${TAB}Disc two${TAB}2"
expect_err_has "2 groups of duplicates, 4 copies"
mkdir -p dups && cp dup1.cat dup2.cat dups/ && cp dups/dup1.cat dups/dup1.txt
run duplicates --all --min-discs 3 dups/dup1.cat; expect_rc 1; expect_out ""
expect_err_has "0 groups of duplicates, 0 copies"
run duplicates --all --name-only --min-discs 3 dups/dup1.cat; expect_rc 0
[ "$(cut -f1,5 out | sort -u | tr '\n' ' ')" == "notes.doc${TAB}1 " ] && ok || bad "--all: notes.doc on three discs"
run duplicates --min-discs 1 dup1.cat; expect_rc 2; expect_err_has "--min-discs takes a number of 2 or more"
run duplicates dup1.cat missing.cat; expect_rc 2; expect_err_has "missing.cat: Error opening file"
expect_out_has "README.TXT"

begin "stats"
catalog stats.cat "|||Old disc" "a.txt:01/01/80" '\A' '\B' "b.txt:12/31/99" ".." ".." "bad.txt:02/30/03" "<eof>" \
  "|||New disc" "c.txt:12/31/50" "d.txt:01/01/00" "e.txt:01/01/51" "<eof>" "|||Empty" "<eof>"
run stats stats.cat; expect_rc 0
expect_out "kind${TAB}catalog${TAB}disc${TAB}files${TAB}folders${TAB}deepest${TAB}oldest${TAB}newest${TAB}bad
disc${TAB}stats.cat${TAB}Old disc${TAB}3${TAB}2${TAB}2${TAB}1980-01-01${TAB}1999-12-31${TAB}1
disc${TAB}stats.cat${TAB}New disc${TAB}3${TAB}0${TAB}0${TAB}2000-01-01${TAB}2050-12-31${TAB}1
disc${TAB}stats.cat${TAB}Empty${TAB}0${TAB}0${TAB}0${TAB}${TAB}${TAB}0
total${TAB}stats.cat${TAB}${TAB}6${TAB}2${TAB}2${TAB}1980-01-01${TAB}2050-12-31${TAB}2"
run bad-dates stats.cat; [ "$(wc -l <out)" -eq 2 ] && ok || bad "bad-dates finds the two stats counts"
run stats missing.cat stats.cat; expect_rc 2; expect_err_has "missing.cat: Error opening file"
expect_out_has "total${TAB}stats.cat"

begin "report"
catalog rep.cat "|||Disc <one> & \"two\"" "it's <b>&amp;.txt:07/14/04" '\Sub' "x.txt:99/99/99" ".." "<eof>"
cp rep.cat rep.before
run report rep.cat -o rep.html; expect_rc 0; expect_err_has "Report written to rep.html"
grep -qF '<meta charset="utf-8">' rep.html && ok || bad "no charset"
grep -qF 'it&#39;s &lt;b&gt;&amp;amp;.txt' rep.html && ok || bad "file name not escaped"
grep -qF 'Disc &lt;one&gt; &amp; &quot;two&quot;' rep.html && ok || bad "description not escaped"
grep -qiE '<script|<link|src=' rep.html && bad "the page fetches or runs something" || ok
expect_missing 'rep.html.$$$'
run report rep.cat -o other.cat; expect_rc 2; expect_err_has "Will not write the report over a catalog"
cp rep.cat rep.txt
run report rep.cat -o rep.txt; expect_rc 2; expect_file_eq rep.txt rep.before
run report rep.cat; expect_rc 2; expect_err_has "-o FILE.html is required"
run report rep.cat missing.cat -o two.html; expect_rc 2; expect_err_has "missing.cat: Error opening file"
grep -qF 'This catalog could not be opened.' two.html && ok || bad "no note of the missing catalog"
expect_file_eq rep.cat rep.before

begin "a damaged catalog that ends a walk early exits 2"
deep=(); for i in $(seq 1 16); do deep+=("\\L$i"); done
catalog deep.cat "|||Deep" "first.txt:02/30/01" "${deep[@]}" "after.txt:02/30/01" "<eof>"
for command in "find .txt" "list deep.cat" "bad-dates"; do
  set -- $command
  if [ "$1" == "list" ]; then run list deep.cat Deep; else run $command deep.cat; fi
  expect_rc 2; expect_err_has "More than 16 folder levels."; expect_out "first.txt${TAB}02/30/01${TAB}\\${TAB}Deep"
done
catalog climbs.cat "|||Climbs" "first.txt:02/30/01" ".." "after.txt:02/30/01" "<eof>"
run find .txt climbs.cat; expect_rc 2; expect_err_has "Attempt to go below the root folder."
run find .txt climbs.cat holiday.cat; expect_rc 2; expect_out_has "readme.txt"
run duplicates deep.cat deep.cat; expect_rc 2; expect_err_has "More than 16 folder levels."
expect_out "first.txt${TAB}02/30/01${TAB}\\${TAB}Deep${TAB}1
first.txt${TAB}02/30/01${TAB}\\${TAB}Deep${TAB}1"
run stats deep.cat; expect_rc 2; expect_err_has "More than 16 folder levels."
expect_out_has "disc${TAB}deep.cat${TAB}Deep${TAB}1${TAB}15${TAB}15${TAB}${TAB}${TAB}1"
run report deep.cat -o deep.html; expect_rc 2; grep -qF 'This catalog is damaged' deep.html && ok || bad "no damage note"

begin "control characters in rows are shown, not sent"
catalog ctl.cat $'|||Tab\there\e[31m' $'a\tb.txt:01/01/01' $'\\F\x7f' "c.txt:01/01/01" ".." "<eof>"
run list ctl.cat $'Tab\there\e[31m'; expect_rc 0
expect_out "a^Ib.txt${TAB}01/01/01${TAB}\\${TAB}Tab^Ihere^[[31m
c.txt${TAB}01/01/01${TAB}\\F^?${TAB}Tab^Ihere^[[31m"
[ "$(awk -F'\t' '{print NF}' out | sort -u)" == "4" ] && ok || bad "rows of four fields"
run titles ctl.cat; expect_rc 0; expect_out "Tab^Ihere^[[31m"
catalog ctl2.cat $'|||Esc\e]0;x\a' "a.txt:01/01/01" ".." "<eof>"
run find a.txt ctl2.cat; expect_rc 2; expect_err_has "Esc^[]0;x^G:"
grep -q $'\e' err && bad "ESC reached standard error" || ok

begin "output formats: tsv stays, csv quotes, json names its fields"
json_fields() {  # json_fields KEY...: each row's values of KEY, ':'-joined, one row a line
  python3 -c 'import json, sys
for line in open("out", encoding="utf-8"):
    row = json.loads(line)
    print(":".join("null" if row[k] is None else str(row[k]) for k in sys.argv[1:]))' "$@"
}
mkdir -p formats
catalog formats/one.cat "|||One" 'b,"x".doc:07/14/04' "d.doc:02/30/01" "<eof>"
catalog formats/two.cat "|||Two" "a.doc:01/01/80" '\Sub' "c.doc:12/31/50" ".." "<eof>"
mkdir -p formats/more && catalog formats/more/three.cat "|||Three" "A.DOC:01/01/80" "<eof>"
for command in "find --all .doc formats/one.cat" "list formats/one.cat One" "bad-dates formats/one.cat" \
  "titles formats/one.cat formats/two.cat" "duplicates formats/two.cat formats/more/three.cat"; do
  current="formats: $command"
  set -- $command
  run "$@"; cp out tsv.default
  run "$1" --format tsv "${@:2}"; expect_rc 0; expect_file_eq out tsv.default
  run "$1" --format csv "${@:2}"; expect_rc 0
  [ "$(grep -c "$CR\$" out)" -eq "$(wc -l <out)" ] && ok || bad "csv lines end in CR LF"
  [ "$(wc -l <out)" -eq $(($(wc -l <tsv.default) + 1)) ] && ok || bad "csv: a header and one line a row"
  run "$1" --format json "${@:2}"; expect_rc 0
  python3 -c 'import json, sys; [json.loads(l) for l in sys.stdin]' <out && ok || bad "json lines do not parse"
  [ "$(wc -l <out)" -eq "$(wc -l <tsv.default)" ] && ok || bad "json: one line a row"
  expect_out_lacks "found"
  case $1 in
    titles) expect_err_has "2 titles in catalog" ;;
    duplicates) expect_err_has "1 groups of duplicates, 2 copies" ;;
    *) expect_err_has " found" ;;
  esac
done
current="formats: the rows' fields"
run find --all --sort name --format json .doc formats/one.cat
expect_rc 0
[ "$(json_fields name catalog | tr '\n' ' ')" == 'a.doc:formats/two.cat b,"x".doc:formats/one.cat c.doc:formats/two.cat d.doc:formats/one.cat ' ] &&
  ok || bad "--sort: each row keeps its catalog"
run find --all --reverse --since 1980-01-01 --format json .doc formats/one.cat   # the walk one catalog after the other
[ "$(json_fields name date iso folder disc catalog | tr '\n' ' ')" == \
  'c.doc:12/31/50:2050-12-31:\Sub:Two:formats/two.cat a.doc:01/01/80:1980-01-01:\:Two:formats/two.cat b,"x".doc:07/14/04:2004-07-14:\:One:formats/one.cat ' ] &&
  ok || bad "json fields of a filtered search"
run bad-dates --format json formats/one.cat
[ "$(json_fields name date iso catalog)" == "d.doc:02/30/01:null:formats/one.cat" ] && ok || bad "bad date: iso null"
run find --folders --format json sub formats/two.cat
[ "$(json_fields name date iso folder)" == '::null:\Sub' ] && ok || bad "folder row: empty name and date"
run list --format csv formats/one.cat One
expect_out "name,date,folder,disc$CR
\"b,\"\"x\"\".doc\",07/14/04,\\,One$CR
d.doc,02/30/01,\\,One$CR"
run titles --format json formats/one.cat formats/two.cat
[ "$(json_fields disc catalog | tr '\n' ' ')" == "One:formats/one.cat Two:formats/two.cat " ] && ok || bad "titles json"
run titles --format csv formats/two.cat; expect_out "disc$CR
Two$CR"
catalog formats/odd.cat $'|||Caf\xe9 \e[31m' $'tab\there"\\.txt:01/01/01' "<eof>"
run list --format json formats/odd.cat $'Café \e[31m'
grep -q $'[\x01-\x1f\x7f]' out && bad "a raw control character in json" || ok
[ "$(json_fields name disc | od -An -c | tr -s ' ')" == "$(printf 'tab\there"\\.txt:Café \e[31m\n' | od -An -c | tr -s ' ')" ] &&
  ok || bad "json: the texts as the catalog holds them, in UTF-8"
run find --format xml a formats/one.cat; expect_rc 2; expect_err_has "--format takes tsv, csv or json, not 'xml'"
run duplicates --format json formats/more/three.cat formats/two.cat
[ "$(json_fields name iso folder disc group catalog | tr '\n' ' ')" == \
  'A.DOC:1980-01-01:\:Three:1:formats/more/three.cat a.doc:1980-01-01:\:Two:1:formats/two.cat ' ] &&
  ok || bad "duplicates json: a copy's group and catalog"
# stats: the same header row in tsv and csv; json's counts are numbers, a missing date null.
catalog formats/bad.cat "|||Bad only" "x.doc:02/30/01" "<eof>"
run stats formats/two.cat formats/bad.cat; tr '\t' , <out | sed "s/\$/$CR/" >stats.expected
run stats --format csv formats/two.cat formats/bad.cat; expect_rc 0; expect_file_eq out stats.expected
run stats --format json formats/two.cat formats/bad.cat; expect_rc 0
python3 -c 'import json
rows = [json.loads(l) for l in open("out")]
assert [r["kind"] for r in rows] == ["disc", "total", "disc", "total"]
assert rows[1]["files"] == 2 and rows[1]["deepest"] == 1 and rows[1]["oldest"] == "1980-01-01"
assert rows[3]["bad"] == 1 and rows[3]["oldest"] is None and rows[3]["catalog"] == "formats/bad.cat"' &&
  ok || bad "stats json"

begin "find: many rows, made on every core, come out in catalog order"
# More rows than a piece of the output holds, in titles the search cuts into parts.
awk 'BEGIN { for (t = 1; t <= 5; t++) { printf "|||Disc %d\r\n", t
  for (i = 1; i <= 9000; i++) printf "f%d_%d.txt:01/01/04\r\n", t, i; printf "<eof>\r\n" } }' >many.cat
awk 'BEGIN { for (t = 1; t <= 5; t++) for (i = 1; i <= 9000; i++) printf "f%d_%d.txt\t01/01/04\t\\\tDisc %d\n", t, i, t }' >many.expected
run find .txt many.cat; expect_rc 0; expect_file_eq out many.expected; expect_err_has "45,000 files found"
run find --format json .txt many.cat
[ "$(json_fields name | sed -n '1p;16385p;45000p' | tr '\n' ' ')" == "f1_1.txt f2_7385.txt f5_9000.txt " ] && ok ||
  bad "json rows in catalog order"

begin "find: a damaged catalog read in many parts prints the rows and the report of one walk"
# About 9 MB: its parts are printed as they are found, up to the climb below
# the root in disc 150; the rest is read in one walk. A reverse order makes
# the rows of one walk over the whole, to compare with.
awk -v titles=240 -v folders=10 -v files=100 -f "$(dirname "$0")/big_catalog.awk" |
  awk '{ print } /^\|\|\|Disc 150\r$/ { printf "..\r\n" }' >parted.cat
run find --reverse .jpg parted.cat; tac out >whole.out; cp err whole.err
run find .jpg parted.cat; expect_rc 2; expect_file_eq out whole.out; expect_file_eq err whole.err
expect_err_has "Disc 150: Directory tree is corrupt."; expect_err_has "Line number: 152,280"
[ "$(wc -l <out)" -eq 149000 ] && ok || bad "$(wc -l <out) rows, expected 149,000"

begin "list --since and --until"
catalog listed.cat "|||Summer" "june.txt:06/30/04" "first.txt:07/01/04" '\In' "last.txt:07/31/04" ".." "august.txt:08/01/04" \
  "broken.txt:02/30/04" "<eof>" "|||Other" "other.txt:07/15/04" "<eof>"
run list --since 2004-07-01 --until 2004-07-31 listed.cat Summer
expect_rc 0
expect_out "first.txt${TAB}07/01/04${TAB}\\${TAB}Summer
last.txt${TAB}07/31/04${TAB}\\In${TAB}Summer"
expect_err_has "2 files found"; expect_err_has "1 files left out: their dates cannot be read"
run list --since 2004-08-01 listed.cat Summer; expect_rc 0; expect_out "august.txt${TAB}08/01/04${TAB}\\${TAB}Summer"
run list --until 2004-06-29 listed.cat Summer; expect_rc 1; expect_err_has "0 files found"; expect_err_has "1 files left out"
run list listed.cat Summer; expect_rc 0; expect_err_lacks "left out"
run list --since 2004-02-30 listed.cat Summer; expect_rc 2; expect_err_has "--since takes a date YYYY-MM-DD, not '2004-02-30'"
run list --until 04-07-31 listed.cat Summer; expect_rc 2; expect_err_has "--until takes a date YYYY-MM-DD"

begin "bad-dates --disc"
catalog discs.cat "|||Holiday PHOTOS" "a.jpg:02/30/04" "ok.jpg:07/01/04" "<eof>" \
  "|||Backup" "b.txt:13/01/99" $'stray\rcr.txt:02/30/01' "<eof>" "|||More photos" "c.jpg:" "<eof>"
run bad-dates discs.cat; expect_rc 0; expect_err_has "4 files found"
run bad-dates --disc photos discs.cat
expect_rc 0
expect_out "a.jpg${TAB}02/30/04${TAB}\\${TAB}Holiday PHOTOS
c.jpg${TAB}${TAB}\\${TAB}More photos"
expect_err_has "2 files found"
run bad-dates --disc BACK --format csv discs.cat; expect_rc 0; expect_out "name,date,folder,disc$CR
b.txt,13/01/99,\\,Backup$CR
straycr.txt,02/30/01,\\,Backup$CR"
run bad-dates --disc nothing discs.cat; expect_rc 1; expect_out ""; expect_err_has "0 files found"

finish cli_test
