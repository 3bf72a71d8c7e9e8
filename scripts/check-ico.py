#!/usr/bin/env python3
"""Checks that a Windows icon file holds the twelve images the program's icon needs: 16, 32, 48
and 64 px, each in 16 colours (4-bit), 24-bit and 32-bit colour, every one a well-formed BMP
entry whose header agrees with the directory, whose data fits the file and which shows
something (some opaque pixels, not all of one colour). Prints one line per image and exits 1
on the first fault.

usage: check-ico.py FILE.ico"""
import struct
import sys

SIZES = (16, 32, 48, 64)
DEPTHS = (4, 24, 32)


def row_bytes(width, depth):
    return (width * depth + 31) // 32 * 4


def check(path):
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        return f"{path}: not an icon file (reserved {reserved}, type {kind})"
    found = set()
    for n in range(count):
        w, h, colours, _, planes, depth, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * n)
        w, h = w or 256, h or 256
        name = f"image {n}: {w}x{h} {depth}-bit"
        if offset + length > len(data):
            return f"{name}: its data runs past the end of the file"
        blob = data[offset:offset + length]
        if blob[:8] == b"\x89PNG\r\n\x1a\n":
            return f"{name}: PNG-compressed; older Windows versions need BMP entries"
        (size, bw, bh, bplanes, bdepth, compression, _, _, _, used, _) = struct.unpack_from("<IiiHHIIiiII", blob)
        if size != 40 or (bw, bh) != (w, 2 * h) or bplanes != 1 or bdepth != depth or compression != 0:
            return f"{name}: its bitmap header says {bw}x{bh}, {bdepth}-bit, compression {compression}"
        if planes != 1 or colours != (16 if depth == 4 else 0):
            return f"{name}: directory entry has {planes} planes and colour count {colours}"
        palette = (used or 16) if depth == 4 else 0
        colour_size = row_bytes(w, depth) * h
        mask_size = row_bytes(w, 1) * h
        if length != 40 + 4 * palette + colour_size + mask_size:
            return f"{name}: {length} bytes where its size and depth need {40 + 4 * palette + colour_size + mask_size}"
        pixels = blob[40 + 4 * palette:40 + 4 * palette + colour_size]
        mask = blob[40 + 4 * palette + colour_size:]
        opaque = sum(8 - bin(b).count("1") for b in mask)  # padding bits are counted too: a rough measure
        if opaque <= mask_size * 8 - w * h or len(set(pixels)) < 2:
            return f"{name}: shows nothing (no opaque pixel, or a single colour)"
        found.add((w, h, depth))
        print(f"{name}: ok")
    wanted = {(s, s, d) for s in SIZES for d in DEPTHS}
    if found != wanted or count != len(wanted):
        missing = ", ".join(f"{w}x{h} {d}-bit" for w, h, d in sorted(wanted - found)) or "none"
        return f"{path}: {count} images; missing: {missing}"
    return None


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    fault = check(sys.argv[1])
    if fault:
        sys.exit(fault)
    print(f"{sys.argv[1]}: the twelve images are there")
