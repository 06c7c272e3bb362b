#!/usr/bin/env python3
"""Writes the window icon: two black beamed eighth notes on a yellow square, 32 x 32, 16 colours.

Usage: make-icon.py [OUTPUT]   (default: assets/otopicco.ico beside this script's folder)

The icon is a classic 4-bit icon with its AND mask, the kind every Windows version shows, drawn
from a few shapes so that it can be changed here and written again. Standard library only.
"""
import math
import os
import struct
import sys

SIZE = 32

# The 16 colours of the standard Windows palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK = 0
YELLOW = 11  # the player window's own yellow, so the icon sits on it without a seam

HEAD_RX, HEAD_RY, HEAD_TILT = 4.8, 3.6, math.radians(-25)
HEADS = [(9.0, 24.0), (23.0, 21.0)]  # centres of the two note heads; the second a little higher
STEM_TOP_ABOVE_HEAD = 15.5
BEAM_THICKNESS = 4.0


def in_note_head(x, y, cx, cy):
    dx, dy = x - cx, y - cy
    u = dx * math.cos(HEAD_TILT) + dy * math.sin(HEAD_TILT)
    v = -dx * math.sin(HEAD_TILT) + dy * math.cos(HEAD_TILT)
    return (u / HEAD_RX) ** 2 + (v / HEAD_RY) ** 2 <= 1.0


def stem_x(cx):
    # The stem rises from the right edge of its head.
    return cx + HEAD_RX - 1.2


def beam_top(x):
    # The beam's upper edge runs straight from the first stem's top to the second's.
    (x0, y0), (x1, y1) = [(stem_x(cx), cy - STEM_TOP_ABOVE_HEAD) for cx, cy in HEADS]
    return y0 + (y1 - y0) * (x - x0) / (x1 - x0)


def is_ink(x, y):
    """True where a pixel centre (x, y) lies on a note, its stem or the beam."""
    for cx, cy in HEADS:
        if in_note_head(x, y, cx, cy):
            return True
        sx = stem_x(cx)
        if sx - 0.5 <= x <= sx + 1.5 and cy - STEM_TOP_ABOVE_HEAD <= y <= cy:
            return True
    first, last = stem_x(HEADS[0][0]) - 0.5, stem_x(HEADS[1][0]) + 1.5
    return first <= x <= last and beam_top(x) <= y <= beam_top(x) + BEAM_THICKNESS


def pixels():
    """Rows of palette indexes, top row first."""
    rows = []
    for row in range(SIZE):
        line = []
        for col in range(SIZE):
            line.append(BLACK if is_ink(col + 0.5, row + 0.5) else YELLOW)
        rows.append(line)
    return rows


def ico_bytes(rows):
    xor = b"".join(
        bytes((r[i] << 4) | r[i + 1] for i in range(0, SIZE, 2)) for r in reversed(rows))
    mask = bytes(SIZE // 8 * SIZE)  # every pixel opaque; rows of 32 bits are already 4-aligned
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    # An icon's bitmap header counts the XOR and AND bitmaps together: twice the height.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "otopicco.ico")
    data = ico_bytes(pixels())
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
