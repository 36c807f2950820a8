#!/usr/bin/env bash
# End-to-end tests of `vardek-cli scan` on ISO 9660 disc images: an image of
# a folder tree must give the title a scan of the tree itself gives, with the
# names Windows shows for the disc (Joliet, else Rock Ridge, else plain), and
# an image that cannot be read fully must leave the catalog as it was.
# Usage: image_test.sh VARDEK_CLI WORK_FOLDER
CLI=$1
WORK=$2
source "$(cd "$(dirname "$0")" && pwd)/harness.sh"

expect_same_title() { cmp -s "$1" "$2" && ok || bad "$1 differs from $2: $(diff <(tr -d '\r' <"$1") <(tr -d '\r' <"$2") | head -20)"; }
stamp() { touch -d "$1" "$2"; }
# The lines of a catalog without their CR.
lines() { tr -d '\r' <"$1"; }
# Images of a tree: Joliet and Rock Ridge, Rock Ridge only (xorriso), Joliet
# only and plain ISO 9660 only (genisoimage; -D keeps folders deeper than
# eight levels where they are, as Rock Ridge images do through relocation).
make_images() {
  local tree=$1
  xorriso -as mkisofs -quiet -J -R -o "$tree-jr.iso" "$tree" 2>/dev/null
  xorriso -as mkisofs -quiet -R -o "$tree-r.iso" "$tree" 2>/dev/null
  genisoimage -quiet -D -J -o "$tree-j.iso" "$tree" 2>/dev/null
  genisoimage -quiet -D -o "$tree-plain.iso" "$tree" 2>/dev/null
}

# A disc tree whose names need Joliet or Rock Ridge: long, mixed case, with
# spaces and accents, nine levels deep. Its names are such that the order a
# folder is listed in (A-Z in either case) and the order an image records
# (by bytes, or by plain names) are the same.
mkdir -p "disc/Photos 2004/Raw Files" "disc/Empty Folder" disc/Deep/L2/L3/L4/L5/L6/L7/L8/L9
for f in "Autorun.inf:1999-01-05" "Read Me First.txt:2004-07-14" "Café Menü.doc:2003-02-28" "Notes:2010-10-10" \
  "Zeta Overview.txt:2000-01-01" "Photos 2004/Beach Day.jpg:2004-07-02" "Photos 2004/Sunset.jpg:2004-07-03" \
  "Photos 2004/Raw Files/IMG0001.raw:2004-07-02" "Deep/L2/L3/L4/L5/L6/L7/L8/L9/Bottom.txt:2005-01-09" \
  "Deep/Top.txt:2005-01-08"; do
  echo x >"disc/${f%:*}" && stamp "${f##*:} 12:00" "disc/${f%:*}"
done
make_images disc
run scan folder.cat "Disc" disc; expect_rc 0

for kind in jr r j; do
  begin "scan: an image with names of its own ($kind) gives the folder's title"
  run scan "$kind.cat" "Disc" "disc-$kind.iso"; expect_rc 0
  expect_same_title "$kind.cat" folder.cat
  expect_err_has "10 files found"
  expect_missing "$kind.\$\$\$"
done

begin "scan: an image of plain ISO 9660 names"
run scan plain.cat "Disc" disc-plain.iso; expect_rc 0
# The plain names are capitals in 8.3 form, shown without ";1" and without
# the dot of a name without extension; folders and dates stay those of the tree.
names=$(lines plain.cat | sed -n 's/:[0-9/]*$//p')
[ "$(grep -cE '^[A-Z0-9_]{1,8}(\.[A-Z0-9_]{1,3})?$' <<<"$names")" -eq 10 ] && ok || bad "names not 8.3 capitals: $names"
grep -qx 'NOTES' <<<"$names" && grep -qx 'AUTORUN.INF' <<<"$names" && ok || bad "NOTES and AUTORUN.INF missing: $names"
lines plain.cat | grep -qF ';' && bad "a version is shown" || ok
dates() { lines "$1" | LC_ALL=C sed -n 's/^[^\\].*:\([0-9/]*\)$/\1/p' | sort; }
[ "$(dates plain.cat)" == "$(dates folder.cat)" ] && ok || bad "dates differ from the folder's"
[ "$(lines plain.cat | grep -c '^\\')" -eq "$(lines folder.cat | grep -c '^\\')" ] && ok || bad "folder count differs"
lines plain.cat | grep -qx '\\PHOTOS_2' && ok || bad "no folder PHOTOS_2"

begin "scan: Joliet names come before Rock Ridge names"
mkdir -p long && n="A Very Long Name That Windows Shows Cut Short Because Joliet Holds 64 Characters.txt"
echo x >"long/$n" && stamp "2004-07-14 12:00" "long/$n"
make_images long
run scan long-jr.cat "Long" long-jr.iso; expect_rc 0
# xorriso keeps the extension of a Joliet name cut to 64 characters.
[ "$(lines long-jr.cat | sed -n 2p)" == "A Very Long Name That Windows Shows Cut Short Because Joliet .txt:07/14/04" ] && ok ||
  bad "not the Joliet name: $(lines long-jr.cat | sed -n 2p)"
run scan long-r.cat "Long" long-r.iso; expect_rc 0
[ "$(lines long-r.cat | sed -n 2p)" == "$n:07/14/04" ] && ok || bad "not the Rock Ridge name: $(lines long-r.cat | sed -n 2p)"

begin "scan: each folder's entries in the order the image records them"
mkdir -p mixed && for f in alpha.txt Zeta.txt; do echo x >"mixed/$f" && stamp "2004-07-14 12:00" "mixed/$f"; done
make_images mixed
run scan mixed-jr.cat "Mixed" mixed-jr.iso; expect_rc 0
# Joliet records by UCS-2 codes, capitals first; the folder lists A-Z in either case.
[ "$(lines mixed-jr.cat | sed -n 2,3p | tr '\n' ' ')" == "Zeta.txt:07/14/04 alpha.txt:07/14/04 " ] && ok || bad "Joliet order"
run scan mixed-r.cat "Mixed" mixed-r.iso; expect_rc 0
# Rock Ridge names are recorded by their plain names ALPHA.TXT and ZETA.TXT.
[ "$(lines mixed-r.cat | sed -n 2,3p | tr '\n' ' ')" == "alpha.txt:07/14/04 Zeta.txt:07/14/04 " ] && ok || bad "Rock Ridge order"

begin "scan: dates of an image are local dates"
mkdir -p late && echo x >late/late.txt && touch -d "2004-07-14 23:30 UTC" late/late.txt
make_images late
TZ=XYZ-14 run scan late-folder.cat "Late" late; expect_rc 0
TZ=XYZ-14 run scan late-image.cat "Late" late-jr.iso; expect_rc 0
[ "$(lines late-image.cat | sed -n 2p)" == "late.txt:07/15/04" ] && ok || bad "date not local: $(lines late-image.cat | sed -n 2p)"
expect_same_title late-image.cat late-folder.cat

begin "scan: an image deeper than 15 levels"
deep=deep && for i in $(seq 1 17); do deep="$deep/d$i"; done
mkdir -p "$deep" && echo x >"$deep/f17.txt" && echo x >"${deep%/d17}/f16.txt" && echo x >"${deep%/d16/d17}/f15.txt"
find deep -exec touch -d "2006-06-06 12:00" {} +
xorriso -as mkisofs -quiet -J -R -o deep.iso deep 2>/dev/null
run scan deep-folder.cat "Deep" deep; expect_rc 0
expect_err_has "Folders not scanned because they lie deeper than 15 levels: 1"
run scan deep-image.cat "Deep" deep.iso; expect_rc 0
expect_err_has "Folders not scanned because they lie deeper than 15 levels: 1"
expect_same_title deep-image.cat deep-folder.cat

# --- Images that cannot be read fully: refused, the catalog as it was ---
cp folder.cat kept.cat && cp folder.cat before.cat
refused() {  # refused IMAGE TEXT: scanning IMAGE is refused with TEXT
  begin "scan: refused $1"
  run scan kept.cat "Refused" "$1"; expect_rc 2
  expect_err_has "$2"; expect_err_has "Nothing saved!"
  expect_same_title kept.cat before.cat
  expect_missing 'kept.$$$'
}
truncate -s 8M udf.iso && mkudffs --media-type=hd udf.iso >/dev/null 2>&1
refused udf.iso "The image holds only a UDF file system, which vardek-cli cannot read. Mount the image"
head -c 60000 disc-jr.iso >cut.iso
refused cut.iso "The image is cut short: it holds 60000 of the"
echo "not an image" >text.iso
refused text.iso "The file is no ISO 9660 disc image"
# A damaged root folder: its records' lengths overwritten.
cp disc-plain.iso damaged.iso
root=$(od -An -tu4 -j $((16 * 2048 + 156 + 2)) -N4 disc-plain.iso | tr -d ' ')
printf '\377%.0s' {1..2048} | dd of=damaged.iso bs=2048 seek="$root" conv=notrunc status=none
refused damaged.iso "The image cannot be read fully"

finish image_test
