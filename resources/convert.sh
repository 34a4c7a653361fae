#!/usr/bin/env bash
# Renders the SVG sources in svg/ into the embedded pictures and icons in
# pictures/ (rsvg-convert for the drawing, ImageMagick for the file formats).
# A one-off step: the rendered files are committed, the build does not run it.
set -euo pipefail
cd "$(dirname "$0")"
python3 svg/make_svgs.py
mkdir -p pictures
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for name in mt_business_top zqantenna1 van portrait zq_008 ex2 ex3 ex5 ex6 ex7 station1 station2; do
  rsvg-convert "svg/$name.svg" -o "$tmp/$name.png"
  convert "$tmp/$name.png" -background white -flatten -quality 90 -strip "pictures/$name.jpg"
done
rsvg-convert svg/ZQ_logo_small.svg -o "$tmp/logo.png"
convert "$tmp/logo.png" -background white -flatten -strip "pictures/ZQ_logo_small.gif"
rsvg-convert svg/ZQSchematic.svg -o "$tmp/schematic.png"
convert "$tmp/schematic.png" -background white -flatten -type TrueColor -strip "BMP3:pictures/ZQSchematic.bmp"
for icon in MILNM AGENT; do
  for size in 16 24 32 48 64 256; do
    rsvg-convert -w $size -h $size "svg/$icon.svg" -o "$tmp/$icon-$size.png"
  done
  convert "$tmp/$icon"-{16,24,32,48,64,256}.png "pictures/$icon.ICO"
done
# The desktop icon installed with the program.
mkdir -p desktop
cp svg/MILNM.svg desktop/zq.svg
rsvg-convert -w 256 -h 256 svg/MILNM.svg -o desktop/zq.png
