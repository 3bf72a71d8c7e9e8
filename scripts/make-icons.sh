#!/usr/bin/env bash
# Regenerates every icon file from resources/orvane-calc.svg, the one drawing of the icon:
#   resources/icons/hicolor/NxN/apps/orvane-calc.png  the desktop's icon sizes (installed on Linux)
#   resources/orvane-calc.ico                         16, 32, 48 and 64 px, each in 16 colours,
#                                                     24-bit and 32-bit (the Windows program file)
# The results are committed; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh icons
sizes=(16 22 24 32 48 64 128 256)
for s in "${sizes[@]}"; do
  dir="resources/icons/hicolor/${s}x${s}/apps"
  mkdir -p "$dir"
  rsvg-convert -w "$s" -h "$s" resources/orvane-calc.svg -o "$dir/orvane-calc.png"
done

# icotool -c writes a PNG in as few bits as hold it and can only add bits (-b before each file):
# an image with partial transparency becomes 32-bit, one without it and of 16 colours or fewer
# (transparent pixels count as black) 4-bit. So ImageMagick first cuts the alpha in two for the
# 4- and 24-bit images (128 and up is opaque, as in icotool's mask): every pixel under the mask
# then has alpha 0, which icotool writes black, where one of alpha 1 to 127 would keep a colour
# that Windows XORs onto the background. The 4-bit image is then reduced to 16 colours,
# undithered: at 16 px a dither is noise.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
images=()
for s in 16 32 48 64; do
  png="resources/icons/hicolor/${s}x${s}/apps/orvane-calc.png"
  convert "$png" -channel A -threshold 50% +channel -dither None -colors 16 "PNG8:$work/$s-4.png"
  convert "$png" -channel A -threshold 50% +channel "PNG32:$work/$s-24.png"
  images+=(-b 4 "$work/$s-4.png" -b 24 "$work/$s-24.png" -b 32 "$png")
done
icotool -c -o resources/orvane-calc.ico "${images[@]}"
scripts/check-ico.sh resources/orvane-calc.ico
