#!/usr/bin/env python3
"""Packs raw RGBA images into one .ico file, each at its colour depth.

Usage: pack_icon.py OUT.ico SIZE:BITS:FILE.rgba ...
BITS is 4 (16 colours), 8 (256 colours) or 32 (true colour with alpha). Palette images take
the most frequent colours of their opaque pixels and a 1-bit mask for the transparent ones.
"""
import struct
import sys
from collections import Counter


def nearest(colour, palette):
    r, g, b = colour
    return min(range(len(palette)),
               key=lambda i: (palette[i][0] - r) ** 2 + (palette[i][1] - g) ** 2 +
               (palette[i][2] - b) ** 2)


def row_bytes(bits_per_row):
    return ((bits_per_row + 31) // 32) * 4


def dib(size, bits, rgba):
    pixels = [tuple(rgba[i:i + 4]) for i in range(0, len(rgba), 4)]
    rows = [pixels[y * size:(y + 1) * size] for y in range(size)][::-1]  # bottom-up
    mask = bytearray()
    for row in rows:
        line = bytearray(row_bytes(size))
        for x, p in enumerate(row):
            if p[3] < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    palette = []
    body = bytearray()
    if bits == 32:
        for row in rows:
            for r, g, b, a in row:
                body += bytes((b, g, r, a))
    else:
        colours = Counter((r, g, b) for r, g, b, a in pixels if a >= 128)
        palette = [c for c, _ in colours.most_common(1 << bits)]
        palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
        cache = {}
        for row in rows:
            indices = []
            for r, g, b, a in row:
                key = (r, g, b) if a >= 128 else (0, 0, 0)
                if key not in cache:
                    cache[key] = nearest(key, palette)
                indices.append(cache[key])
            line = bytearray(row_bytes(size * bits))
            for x, index in enumerate(indices):
                if bits == 8:
                    line[x] = index
                else:
                    line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            body += line
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0,
                         len(body) + len(mask), 0, 0, len(palette) if bits < 32 else 0, 0)
    colour_table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + colour_table + bytes(body) + bytes(mask), len(palette)


def main():
    out = sys.argv[1]
    entries = []
    for image in sys.argv[2:]:
        size, bits, path = image.split(':', 2)
        size, bits = int(size), int(bits)
        with open(path, 'rb') as f:
            rgba = f.read()
        assert len(rgba) == size * size * 4, path
        entries.append((size, bits) + dib(size, bits, rgba))
    offset = 6 + 16 * len(entries)
    directory = struct.pack('<HHH', 0, 1, len(entries))
    for size, bits, data, colours in entries:
        directory += struct.pack('<BBBBHHII', size % 256, size % 256,
                                 colours % 256 if bits < 32 else 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    with open(out, 'wb') as f:
        f.write(directory)
        for entry in entries:
            f.write(entry[2])


if __name__ == '__main__':
    main()
