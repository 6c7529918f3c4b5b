#!/usr/bin/env python3
"""Draws the program's logo, images/pardexLogo.png: a red "V" on a dark disc.

Run from the repository root: python3 tools/make_logo.py
"""
import math
import struct
import zlib

SIZE = 64
DISC = (30, 30, 30)
MARK = (255, 49, 53)


def coverage(x, y):
    """Returns (disc alpha, mark alpha) at pixel centre (x, y), 4x4 supersampled."""
    disc = mark = 0
    for sy in range(4):
        for sx in range(4):
            px = x + (sx + 0.5) / 4
            py = y + (sy + 0.5) / 4
            cx = cy = SIZE / 2
            if math.hypot(px - cx, py - cy) <= SIZE / 2 - 1:
                disc += 1
                # Two strokes of the V from the top corners to the bottom centre.
                for (x0, y0) in ((16, 16), (48, 16)):
                    x1, y1 = 32, 50
                    dx, dy = x1 - x0, y1 - y0
                    t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy)))
                    if math.hypot(px - (x0 + t * dx), py - (y0 + t * dy)) <= 4.5:
                        mark += 1
                        break
    return disc / 16, mark / 16


def main():
    rows = bytearray()
    for y in range(SIZE):
        rows.append(0)  # no filter
        for x in range(SIZE):
            disc, mark = coverage(x, y)
            r, g, b = (round(DISC[i] * (1 - mark / max(disc, 1e-9)) + MARK[i] * mark / max(disc, 1e-9))
                       if disc else 0 for i in range(3))
            rows += bytes((r, g, b, round(255 * disc)))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    with open("images/pardexLogo.png", "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()
