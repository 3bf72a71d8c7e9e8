#!/usr/bin/env python3
"""Writes a Windows icon file that holds each given square PNG three times: in 16 colours
(4 bits per pixel, a palette of its own), in 24-bit colour and in 32-bit colour (with alpha).
Every image is a BMP-style entry with its transparency mask, so any Windows version can use it.
Python's standard library only.

usage: make-ico.py OUT.ico PNG...      (8-bit RGB or RGBA PNGs, not interlaced, at most 255 px)"""
import struct
import sys
import zlib

DEPTHS = (4, 24, 32)
OPAQUE = 128  # alpha at or above it counts as opaque where there is no alpha channel


def read_png(path):
    """Returns (width, height, rows), each row a list of (r, g, b, a)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, bit_depth, colour_type, _, _, interlace = header
    if bit_depth != 8 or colour_type not in (2, 6) or interlace:
        raise ValueError(f"{path}: only 8-bit RGB or RGBA PNGs without interlacing are read")
    channels = 4 if colour_type == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            up_left = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - up_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - up_left)
                guess = left if pa <= pb and pa <= pc else up if pb <= pc else up_left
                line[i] = (line[i] + guess) & 255
            elif kind != 0:
                raise ValueError(f"{path}: unknown PNG filter {kind}")
        pixels = [tuple(line[x * channels:x * channels + channels]) for x in range(width)]
        rows.append([p if channels == 4 else p + (255,) for p in pixels])
        previous = line
    return width, height, rows


def palette_of(rows, size):
    """Black (for the transparent pixels) and up to size - 1 colours by median cut of the
    opaque pixels."""
    counts = {}
    for row in rows:
        for r, g, b, a in row:
            if a >= OPAQUE:
                counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    boxes = [sorted(counts)] if counts else []
    while boxes and len(boxes) < size - 1:
        # Split the box whose widest channel is widest; ties go to the most pixels.
        def spread(box):
            ranges = [max(c[k] for c in box) - min(c[k] for c in box) for k in range(3)]
            return max(ranges), sum(counts[c] for c in box), ranges.index(max(ranges))
        widest = max(range(len(boxes)), key=lambda i: spread(boxes[i])[:2])
        width, _, channel = spread(boxes[widest])
        if width == 0:
            break
        box = sorted(boxes.pop(widest), key=lambda c: (c[channel], c))
        half, seen, cut = sum(counts[c] for c in box) / 2, 0, 1
        for i, c in enumerate(box[:-1]):
            seen += counts[c]
            cut = i + 1
            if seen >= half:
                break
        boxes += [box[:cut], box[cut:]]
    palette = [(0, 0, 0)]
    for box in sorted(boxes):
        total = sum(counts[c] for c in box)
        palette.append(tuple(round(sum(c[k] * counts[c] for c in box) / total) for k in range(3)))
    return palette + [(0, 0, 0)] * (size - len(palette))


def nearest(palette, colour):
    return min(range(1, len(palette)),
               key=lambda i: (sum((palette[i][k] - colour[k]) ** 2 for k in range(3)), i))


def padded(line):
    return line + b"\0" * (-len(line) % 4)


def dib(width, height, rows, depth):
    """The BITMAPINFOHEADER, palette, colour rows and mask rows of one icon image."""
    colours, mask = [], []
    palette = palette_of(rows, 16) if depth == 4 else []
    lookup = {}
    for row in reversed(rows):  # bottom row first
        line = bytearray()
        bits = 0
        mask_line = bytearray((width + 7) // 8)
        for x, (r, g, b, a) in enumerate(row):
            transparent = a == 0 if depth == 32 else a < OPAQUE
            if transparent:
                mask_line[x // 8] |= 0x80 >> (x % 8)
            if depth == 32:
                line += bytes((b, g, r, a))
            elif depth == 24:
                line += bytes((0, 0, 0) if transparent else (b, g, r))
            else:
                index = 0 if transparent else lookup.setdefault((r, g, b), nearest(palette, (r, g, b)))
                bits = bits << 4 | index
                if x % 2:
                    line.append(bits)
                    bits = 0
        if depth == 4 and width % 2:
            line.append(bits << 4)
        colours.append(padded(bytes(line)))
        mask.append(padded(bytes(mask_line)))
    pixels = b"".join(colours) + b"".join(mask)
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, depth, 0, len(pixels), 0, 0,
                         len(palette), 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + table + pixels


def main(out, pngs):
    images = []
    for path in pngs:
        width, height, rows = read_png(path)
        if width != height or not 0 < width < 256:
            raise ValueError(f"{path}: {width}x{height}; square images of 1 to 255 px only")
        for depth in DEPTHS:
            images.append((width, depth, dib(width, height, rows, depth)))
    offset = 6 + 16 * len(images)
    directory, blobs = [struct.pack("<HHH", 0, 1, len(images))], []
    for size, depth, blob in images:
        directory.append(struct.pack("<BBBBHHII", size, size, 16 if depth == 4 else 0, 0, 1, depth,
                                     len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(out, "wb") as f:
        f.write(b"".join(directory + blobs))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
