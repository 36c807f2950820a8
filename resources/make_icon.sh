#!/bin/sh
# Draws the program icon (a silver disc with a blue label ring and a gold
# catalogue tab) at 32x32 and 16x16 and packs both into vardek.ico.
# Run from this folder; the result is committed, so the build never needs it.
set -e
draw() {
  size=$1; out=$2
  convert -size 128x128 xc:none \
    -fill '#c8ccd4' -stroke '#404854' -strokewidth 5 -draw 'circle 64,64 64,6' \
    -fill '#e8ecf2' -stroke none -draw 'circle 64,64 64,20' \
    -fill '#2050b0' -stroke none -draw 'circle 64,64 64,36' \
    -fill '#c8ccd4' -stroke '#404854' -strokewidth 4 -draw 'circle 64,64 64,54' \
    -fill '#ffd700' -stroke '#805000' -strokewidth 4 -draw 'roundrectangle 78,78 122,118 8,8' \
    -stroke '#805000' -strokewidth 5 -draw 'line 88,92 112,92' -draw 'line 88,104 112,104' \
    -resize "${size}x${size}" "$out"
}
draw 32 icon32.png
draw 16 icon16.png
convert icon32.png icon16.png vardek.ico
rm -f icon32.png icon16.png
