#!/usr/bin/env python3
"""Draws the program icon: a hosts page under a red no-entry sign, in the twelve images of the group.

16, 32 and 48 pixels in 16 and in 256 colours; 16, 32, 48, 128 and 256 in 32-bit colour (128 and 256
as PNG);
one 32 by 32 monochrome image. Only the standard library is needed. Usage: make-icon.py OUT.ico
"""
import math
import struct
import sys
import zlib

RED = (214, 38, 38)
PAGE = (250, 250, 250)
EDGE = (70, 78, 90)
LINE = (120, 130, 145)


def sample(x, y):
    """Colour and coverage of the artwork at (x, y) in the unit square, y downwards."""
    cx, cy, r, w = 0.63, 0.63, 0.33, 0.085
    d = math.hypot(x - cx, y - cy)
    # The no-entry sign: a ring and a bar from top left to bottom right.
    if r - w <= d <= r:
        return RED, 1.0
    if d < r - w:
        # distance from the diagonal through the centre
        if abs((x - cx) - (y - cy)) / math.sqrt(2) <= w * 0.6:
            return RED, 1.0
    # The hosts page: a sheet with lines of text.
    left, right, top, bottom = 0.12, 0.68, 0.06, 0.88
    if left <= x <= right and top <= y <= bottom:
        if x < left + 0.05 or x > right - 0.05 or y < top + 0.05 or y > bottom - 0.05:
            return EDGE, 1.0
        row = (y - top - 0.12) / 0.12
        if row >= 0 and (row % 1.0) < 0.42 and left + 0.12 <= x <= right - 0.12 - (0.12 if int(row) % 2 else 0):
            return LINE, 1.0
        if d < r - w:
            return (255, 255, 255), 1.0
        return PAGE, 1.0
    if d < r - w:
        return (255, 255, 255), 1.0
    return (0, 0, 0), 0.0


def render(size):
    """RGBA rows, top first, supersampled 4 by 4."""
    rows = []
    n = 4
    for j in range(size):
        row = []
        for i in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sj in range(n):
                for si in range(n):
                    (r, g, b), a = sample((i + (si + 0.5) / n) / size, (j + (sj + 0.5) / n) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / (n * n)
            if acc[3]:
                row.append(tuple(int(round(c / acc[3])) for c in acc[:3]) + (int(round(a * 255)),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
         (0, 255, 255), (255, 255, 255)]
CUBE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
PALETTE256 = CUBE + [(v, v, v) for v in range(8, 248, 6)][:40]


def nearest(palette, rgb):
    return min(range(len(palette)), key=lambda k: sum((palette[k][c] - rgb[c]) ** 2 for c in range(3)))


def and_mask(rows):
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for i, px in enumerate(row):
            if px[3] < 128:
                bits[i // 8] |= 0x80 >> (i % 8)
        out += bits
    return bytes(out)


def dib(rows, bpp, palette=None):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0, 0, 0, 0,
                         len(palette) if palette else 0, 0)
    pal = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in palette) if palette else b''
    stride = ((size * bpp + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for i, px in enumerate(row):
            if bpp == 32:
                line[i * 4:i * 4 + 4] = bytes((px[2], px[1], px[0], px[3]))
                continue
            if bpp == 1:
                index = 1 if px[3] >= 128 and sum(px[:3]) > 3 * 128 else 0
                if index:
                    line[i // 8] |= 0x80 >> (i % 8)
                continue
            index = nearest(palette, px[:3]) if px[3] >= 128 else 0
            if bpp == 8:
                line[i] = index
            else:
                line[i // 2] |= index << (4 if i % 2 == 0 else 0)
        pixels += line
    return header + pal + bytes(pixels) + and_mask(rows)


def png(rows):
    size = len(rows)
    raw = b''.join(b'\0' + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main(out):
    cache = {}

    def rows(size):
        if size not in cache:
            cache[size] = render(size)
        return cache[size]

    images = []  # (size, colour count, bpp, data)
    for size in (16, 32, 48):
        images.append((size, 16, 4, dib(rows(size), 4, VGA16)))
    for size in (16, 32, 48):
        images.append((size, 0, 8, dib(rows(size), 8, PALETTE256 + [(0, 0, 0)] * (256 - len(PALETTE256)))))
    for size in (16, 32, 48):
        images.append((size, 0, 32, dib(rows(size), 32)))
    for size in (128, 256):  # the large ones as PNG, which keeps the program file small
        images.append((size, 0, 32, png(rows(size))))
    images.append((32, 2, 1, dib(rows(32), 1, [(0, 0, 0), (255, 255, 255)])))

    head = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b'', b''
    for size, colours, bpp, data in images:
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0, 1, bpp, len(data), offset)
        blobs += data
        offset += len(data)
    with open(out, 'wb') as f:
        f.write(head + entries + blobs)


if __name__ == '__main__':
    main(sys.argv[1])
