#!/usr/bin/env bash
# A scan of a disc image (an ISO 9660 image of the generated tree, Joliet and
# Rock Ridge) against `bsdtar -tvf` listing the same image through the same
# libarchive reader, side by side in one run.
# Usage: bench/image_bench.sh RELEASE_BUILD_DIR
source "$(dirname "$0")/setup.sh" "$1"
[ -d "$data/tree" ] || python3 bench/generate_tree.py "$data/tree" 200000
image="$data/tree.iso"
[ -f "$image" ] || xorriso -as mkisofs -quiet -J -R -o "$image" "$data/tree" 2>/dev/null

rm -f "$data/image.cat"
echo "== scan of an image: $("$cli" scan "$data/image.cat" Bench "$image" 2>&1 | head -n 1), $(du -h "$image" | cut -f1)"
hyperfine --warmup 2 --runs 10 --output=pipe --export-markdown "$data/image.md" \
  --prepare "rm -f $data/image.cat" \
  -n "vardek-cli scan IMAGE" "$cli scan $data/image.cat Bench $image" \
  -n "bsdtar -tvf IMAGE" "bsdtar -tvf $image"
