#!/usr/bin/env python3
"""Draws the program's icon, a framed landscape picture, as a 16-colour .ico with a 16x16 and a
32x32 image. The artwork is the project's own; run this to regenerate resources/dek.ico."""
import struct
import sys

# The 16 colours of the standard VGA palette, as (B, G, R, 0).
PALETTE = [(0,0,0),(0,0,128),(0,128,0),(0,128,128),(128,0,0),(128,0,128),(128,128,0),(192,192,192),
           (128,128,128),(0,0,255),(0,255,0),(0,255,255),(255,0,0),(255,0,255),(255,255,0),(255,255,255)]
FRAME, SKY, SUN, HILL, HILL2, CLEAR = 4, 14, 11, 10, 2, None  # indices (BGR: 4 = dark blue-ish)

def pixel(x, y, n):
    """Colour index at (x, y) of an n x n picture, y growing downwards; None is transparent."""
    s = n / 16.0
    if x < 1 * s or y < 1 * s or x >= n - 1 * s or y >= n - 1 * s:
        return CLEAR
    if x < 2 * s or y < 2 * s or x >= n - 2 * s or y >= n - 2 * s:
        return 8  # grey frame
    fx, fy = x / s, y / s
    if (fx - 10.5) ** 2 + (fy - 5.5) ** 2 <= 2.6 ** 2:
        return SUN
    if fy > 9 + 2.5 * ((fx - 5) / 6) ** 2:
        return HILL2 if fy > 11.5 + 0.15 * fx else HILL
    return SKY

def image(n):
    rows = [[pixel(x, y, n) for x in range(n)] for y in range(n)]
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in
                       [(c[2], c[1], c[0]) for c in PALETTE])
    xor = b''
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for x in range(0, n, 2):
            a = row[x] if row[x] is not None else 0
            b = row[x + 1] if row[x + 1] is not None else 0
            line.append((a << 4) | b)
        line += b'\0' * ((4 - len(line) % 4) % 4)
        xor += bytes(line)
    mask = b''
    for row in reversed(rows):
        bits = 0
        line = bytearray()
        for x in range(n):
            bits = (bits << 1) | (1 if row[x] is None else 0)
            if x % 8 == 7:
                line.append(bits)
                bits = 0
        line += b'\0' * ((4 - len(line) % 4) % 4)
        mask += bytes(line)
    return header + palette + xor + mask

def main(path):
    images = [image(16), image(32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip((16, 32), images):
        out += struct.pack('<BBBBHHII', n, n, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)

if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/dek.ico')
