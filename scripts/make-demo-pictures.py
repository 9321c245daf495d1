#!/usr/bin/env python3
"""Paints a few small wallpaper pictures of the project's own (gradients and patterns) as 24-bit
Windows bitmaps into the folder given, for the demo program folder."""
import math
import os
import struct
import sys

def bmp(width, height, colour_at):
    row_size = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        row += b'\0' * (row_size - len(row))
        pixels += row
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)

PICTURES = {
    'dawn.bmp': (320, 200, lambda x, y: (255 - y // 2, 120 + y // 3, 60 + x // 3)),
    'sea waves.bmp': (320, 200, lambda x, y: (20, 90 + int(40 * math.sin(x / 12 + y / 20)), 170 + y // 4)),
    'checker.bmp': (64, 64, lambda x, y: (230, 230, 240) if (x // 16 + y // 16) % 2 else (60, 90, 160)),
    '夜空.bmp': (320, 200, lambda x, y: (255, 255, 200) if (x * 7 + y * 13) % 97 == 0 else (10, 10, 40 + y // 5)),
}

def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, (w, h, f) in PICTURES.items():
        path = os.path.join(folder, name)
        if not os.path.exists(path):
            with open(path, 'wb') as out:
                out.write(bmp(w, h, f))

if __name__ == '__main__':
    main(sys.argv[1])
