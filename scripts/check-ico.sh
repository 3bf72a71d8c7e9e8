#!/usr/bin/env bash
# Checks that a Windows icon file holds the twelve images the program needs, in this order: 16,
# 32, 48 and 64 px, each in 16 colours (4-bit), 24-bit and 32-bit, every one a BMP entry (older
# Windows versions read no PNG entries) whose header icotool reads without a warning.
# usage: check-ico.sh FILE.ico
set -euo pipefail
wanted=$(i=0
  for size in 16 32 48 64; do
    for depth in 4 24 32; do
      i=$((i + 1))
      echo "--icon --index=$i --width=$size --height=$size --bit-depth=$depth --palette-size=$((depth == 4 ? 16 : 0))"
    done
  done)
listed=$(icotool -l "$1" 2>&1) || true  # a fault shows in the listing
if [ "$listed" != "$wanted" ]; then
  diff <(echo "$wanted") <(echo "$listed") | sed 's/^/  /'
  echo "$1: not the twelve images (< wanted, > listed by icotool -l)"
  exit 1
fi
echo "$1: the twelve images are there"
