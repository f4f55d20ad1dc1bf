#!/usr/bin/env python3
"""Draws the product's mark (a rounded square with a forward chevron crossing a
line: "over and beyond") at 16, 32 and 48 pixels and writes two icon files:
res/oltrevan.ico (the program) and res/oltrevan-remove.ico (the same mark in
the colours used for removing an edition). Plain Python, no imaging library."""
import math
import struct
import sys
from pathlib import Path

SIZES = (16, 32, 48)
SAMPLES = 4  # supersampling per axis


def inside_rounded_square(x, y, radius):
    # Square from 0.06 to 0.94 with rounded corners.
    lo, hi = 0.06, 0.94
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and lo <= x <= hi and lo <= y <= hi


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def in_mark(x, y):
    stroke = 0.085
    chevron = (distance_to_segment(x, y, 0.36, 0.26, 0.62, 0.50) <= stroke or
               distance_to_segment(x, y, 0.62, 0.50, 0.36, 0.74) <= stroke)
    bar = distance_to_segment(x, y, 0.22, 0.50, 0.80, 0.50) <= stroke * 0.55
    return chevron or bar


def render(size, top, bottom):
    pixels = []
    for row in range(size):
        line = []
        for col in range(size):
            cover = mark = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (col + (sx + 0.5) / SAMPLES) / size
                    y = (row + (sy + 0.5) / SAMPLES) / size
                    if inside_rounded_square(x, y, 0.2):
                        cover += 1
                        mark += in_mark(x, y)
            n = SAMPLES * SAMPLES
            t = row / max(1, size - 1)
            base = [round(top[i] + (bottom[i] - top[i]) * t) for i in range(3)]
            if cover == 0:
                line.append((0, 0, 0, 0))
                continue
            w = mark / cover
            rgb = [round(base[i] * (1 - w) + 255 * w) for i in range(3)]
            line.append((rgb[0], rgb[1], rgb[2], round(255 * cover / n)))
        pixels.append(line)
    return pixels


def bmp_entry(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for line in reversed(pixels) for (r, g, b, a) in line)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row * size)  # alpha carries transparency
    return header + xor + and_mask


def write_icon(path, top, bottom):
    images = [bmp_entry(render(s, top, bottom)) for s in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(SIZES, images):
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    Path(path).write_bytes(out)


if __name__ == '__main__':
    res = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'res')
    write_icon(res / 'oltrevan.ico', (32, 138, 196), (18, 78, 140))
    write_icon(res / 'oltrevan-remove.ico', (226, 128, 40), (170, 74, 20))
