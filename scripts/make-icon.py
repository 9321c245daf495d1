#!/usr/bin/env python3
"""Draws the program's icon, a framed landscape picture, as one .ico with 16, 20, 24, 32, 40, 48,
64 and 256 pixel images in 32-bit colour with alpha: the 256 pixel image PNG-compressed, the
others as 32-bit bitmaps. Each size is drawn from the shapes themselves, with the frame snapped to
whole pixels, so that small sizes stay crisp. The artwork is the project's own; run this to
regenerate resources/dek.ico. Standard library only."""
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
PNG_SIZES = (256,)  # Windows expects the largest image as PNG; the others as bitmaps

OUTLINE = (52, 58, 70)
FRAME = (176, 184, 196)
FRAME_LIGHT = (226, 231, 238)
FRAME_DARK = (120, 128, 142)
SKY_TOP, SKY_HORIZON = (52, 120, 214), (160, 208, 248)
SUN, SUN_CORE = (255, 196, 32), (255, 236, 120)
HILL_BACK, HILL_FRONT = (112, 190, 64), (36, 128, 56)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


class Layout:
    """Where the frame and the picture lie in an n x n icon, in whole pixels."""

    def __init__(self, n):
        self.n = n
        self.margin = max(1, round(n / 16))  # transparent border
        self.frame = max(1, round(n * 1.3 / 16))  # frame thickness
        self.outline = n >= 24  # a dark edge keeps the frame visible on light backgrounds
        self.bevel = max(1, n // 64) if n >= 32 else 0
        # Without outline and bevel a darker frame stands out better against the sky.
        self.frame_colour = FRAME if self.outline else FRAME_DARK
        self.picture = self.margin + self.frame  # first pixel of the picture area
        self.picture_size = n - 2 * self.picture
        # The sun's centre on a pixel corner, so that it is drawn the same on every side.
        self.sun_x = self.picture + round(0.7 * self.picture_size)
        self.sun_y = self.picture + round(0.32 * self.picture_size)
        self.sun_radius = 0.2 * self.picture_size


def scene(x, y, lay):
    """Colour (r, g, b) or None (transparent) at the point (x, y), in pixels from the top left."""
    n, m = lay.n, lay.margin
    if x < m or y < m or x >= n - m or y >= n - m:
        return None
    p = lay.picture
    if x < p or y < p or x >= n - p or y >= n - p:
        # Distances to the outer edges; the nearest one tells which side of the frame this is.
        left, top, right, bottom = x - m, y - m, n - m - x, n - m - y
        edge = min(left, top, right, bottom)
        if lay.outline and edge < 1:
            return OUTLINE
        if lay.bevel and edge < 1 + lay.bevel:  # raised outer edge, lit from the top left
            return FRAME_LIGHT if edge in (left, top) else FRAME_DARK
        # How far outside the picture: its inner edge is sunk, shaded on the top and left.
        out_x = max(p - x, x - (n - p), 0)
        out_y = max(p - y, y - (n - p), 0)
        if lay.bevel and max(out_x, out_y) <= lay.bevel:
            shaded = (x < p) if out_x >= out_y else (y < p)
            return FRAME_DARK if shaded else FRAME_LIGHT
        return lay.frame_colour
    # The picture, in units of its own size: u to the right, v downwards.
    u = (x - p) / lay.picture_size
    v = (y - p) / lay.picture_size
    if v > 0.8 + 0.6 * (u - 0.85) ** 2:
        return HILL_FRONT
    if v > 0.56 + 0.9 * (u - 0.25) ** 2:
        return HILL_BACK
    sun = ((x - lay.sun_x) ** 2 + (y - lay.sun_y) ** 2) ** 0.5 / lay.sun_radius
    if sun <= 1:
        # Large sizes have room for a glowing centre.
        return mix(SUN_CORE, SUN, min(1.0, sun * 1.4)) if lay.n >= 48 else SUN
    return mix(SKY_TOP, SKY_HORIZON, min(1.0, v / 0.7))


def render(n):
    """Rows of (r, g, b, a) pixels, each pixel the average of samples spread over its area."""
    lay = Layout(n)
    k = 4 if n > 64 else 8
    offsets = [(i + 0.5) / k for i in range(k)]
    rows = []
    for py in range(n):
        row = []
        for px in range(n):
            r = g = b = cover = 0.0
            for oy in offsets:
                for ox in offsets:
                    c = scene(px + ox, py + oy, lay)
                    if c is not None:
                        r, g, b, cover = r + c[0], g + c[1], b + c[2], cover + 1
            if cover:
                row.append((round(r / cover), round(g / cover), round(b / cover),
                            round(255 * cover / (k * k))))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def png(rows):
    n = len(rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    raw = b''.join(b'\0' + bytes(v for px in row for v in px) for row in rows)
    header = struct.pack('>IIBBBBB', n, n, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def bitmap(rows):
    n = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    # The AND mask, for readers that ignore alpha: 1 = transparent. Rows pad to 4 bytes.
    mask = b''
    stride = (n + 31) // 32 * 4
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + colour + mask


def main(path):
    images = [(n, png(render(n)) if n in PNG_SIZES else bitmap(render(n))) for n in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in images:
        side = n if n < 256 else 0  # 0 stands for 256
        out += struct.pack('<BBBBHHII', side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/dek.ico')
