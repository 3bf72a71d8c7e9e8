#!/usr/bin/env bash
# Regenerates the window icon (PNG) and the Windows icon (16, 32, 48, 64 px) from the SVG.
# Needs librsvg2-bin and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/../resources"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for s in 16 32 48 64; do rsvg-convert -w $s -h $s orvane-calc.svg -o "$tmp/$s.png"; done
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$tmp/64.png" orvane-calc.ico
cp "$tmp/64.png" orvane-calc.png
