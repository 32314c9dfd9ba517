#!/usr/bin/env python3
"""Draws the product's small fax-page icon (32x32 and 16x16, 32-bit) into an .ico file.

usage: make-icon.py OUT.ico [RRGGBB]   (the colour of the band across the page)
"""
import struct
import sys


def draw(size, band):
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    s = size / 32.0
    def fill(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = c
    fill(6, 2, 26, 30, (64, 64, 64, 255))      # page outline
    fill(7, 3, 25, 29, (255, 255, 255, 255))   # paper
    fill(7, 3, 25, 9, band + (255,))           # coloured band
    for y in (12, 16, 20, 24):                 # text lines
        fill(10, y, 22, y + 1.5, (96, 96, 96, 255))
    return px


def bitmap(px):
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b''.join(bytes(v for (r, g, b, a) in reversed_row for v in (b, g, r, a))
                    for reversed_row in reversed(px))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytes(mask_stride * size)
    return header + rows + mask


def main():
    out = sys.argv[1]
    band = sys.argv[2] if len(sys.argv) > 2 else '2050A0'
    band = tuple(int(band[i:i + 2], 16) for i in (0, 2, 4))
    images = [bitmap(draw(n, band)) for n in (32, 16)]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, img in zip((32, 16), images):
        data += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, 'wb') as f:
        f.write(data + b''.join(images))


if __name__ == '__main__':
    main()
