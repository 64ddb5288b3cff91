#!/usr/bin/env python3
"""Draws the program icon, 32 x 32 at 32 bits per pixel with alpha, and writes it
as res/quorvel.ico: a blue disc with a white check mark, anti-aliased by 4 x 4
supersampling."""
import math
import struct
import sys

SIZE = 32
SAMPLES = 4


def inside_disc(x, y):
    return (x - 16) ** 2 + (y - 16) ** 2 <= 14.5 ** 2


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def on_check_mark(x, y):
    return min(distance_to_segment(x, y, 9, 16.5, 14, 21.5),
               distance_to_segment(x, y, 14, 21.5, 23.5, 10.5)) <= 2.2


def pixel(col, row):
    """BGRA of one pixel, row 0 at the top."""
    disc = mark = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = col + (sx + 0.5) / SAMPLES
            y = row + (sy + 0.5) / SAMPLES
            if inside_disc(x, y):
                disc += 1
                mark += on_check_mark(x, y)
    n = SAMPLES * SAMPLES
    if disc == 0:
        return (0, 0, 0, 0)
    # Blue shading from top to bottom, white where the mark covers it.
    shade = row / (SIZE - 1)
    blue = (int(235 - 60 * shade), int(140 - 50 * shade), int(30 + 10 * shade))
    w = mark / disc
    b, g, r = (int(round(c * (1 - w) + 255 * w)) for c in blue)
    return (b, g, r, int(round(255 * disc / n)))


def icon_bytes():
    rows = [[pixel(c, r) for c in range(SIZE)] for r in range(SIZE)]
    xor = b"".join(bytes(p) for row in reversed(rows) for p in row)  # bottom-up
    and_row = (SIZE + 31) // 32 * 4
    mask = bytes(and_row * SIZE)  # alpha decides; the mask stays clear
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "res/quorvel.ico"
    with open(out, "wb") as f:
        f.write(icon_bytes())
