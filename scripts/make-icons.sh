#!/usr/bin/env bash
# Regenerates every icon file from resources/orvane-calc.svg, the one drawing of the icon:
#   resources/icons/hicolor/NxN/apps/orvane-calc.png  the desktop's icon sizes (installed on Linux)
#   resources/orvane-calc.ico                         16, 32, 48 and 64 px, each in 16 colours,
#                                                     24-bit and 32-bit (the Windows program file)
# The results are committed; run this after changing the SVG. Needs librsvg2-bin (rsvg-convert).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || scripts/deps.sh icons
sizes=(16 22 24 32 48 64 128 256)
for s in "${sizes[@]}"; do
  dir="resources/icons/hicolor/${s}x${s}/apps"
  mkdir -p "$dir"
  rsvg-convert -w "$s" -h "$s" resources/orvane-calc.svg -o "$dir/orvane-calc.png"
done
python3 scripts/make-ico.py resources/orvane-calc.ico \
  resources/icons/hicolor/{16x16,32x32,48x48,64x64}/apps/orvane-calc.png
python3 scripts/check-ico.py resources/orvane-calc.ico
