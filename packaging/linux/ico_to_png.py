#!/usr/bin/env python3
"""Writes the desktop's icons from the window icon: PNG files of the .ico's image, scaled up by
whole factors with every pixel a square block, so the notes stay as sharp as the 32 x 32 original.

Usage: ico_to_png.py ICON.ico OUTDIR SIZE...   (writes OUTDIR/SIZExSIZE/apps/otopicco.png)

Reads icons of 1, 4 and 8 bits with a palette, and 32-bit ones; the AND mask makes transparency.
Standard library only.
"""
import os
import struct
import sys
import zlib


def read_icon(data):
    """The largest image of an .ico as (size, rows of (r, g, b, a)), top row first."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count < 1:
        raise ValueError("not an icon file")
    entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
    width, height, _, _, _, _, _, offset = max(entries, key=lambda e: (e[0] or 256) * (e[1] or 256))
    width, height = width or 256, height or 256
    header_size, bmp_width, bmp_height, _, bits = struct.unpack_from("<IiiHH", data, offset)
    if data[offset:offset + 8] == b"\x89PNG\r\n\x1a\n":
        raise ValueError("PNG-compressed icons are not read here")
    if bmp_width != width or bmp_height != 2 * height:
        raise ValueError("icon directory and bitmap disagree on the size")
    colours_used = struct.unpack_from("<I", data, offset + 32)[0]
    palette_size = (colours_used or (1 << bits)) if bits <= 8 else 0
    palette_at = offset + header_size
    palette = [struct.unpack_from("<BBB", data, palette_at + 4 * i) for i in range(palette_size)]
    xor_at = palette_at + 4 * palette_size
    xor_stride = (width * bits + 31) // 32 * 4
    and_at = xor_at + xor_stride * height
    and_stride = (width + 31) // 32 * 4

    def bits_at(row_start, x, depth):
        bit = x * depth
        byte = data[row_start + bit // 8]
        return (byte >> (8 - depth - bit % 8)) & ((1 << depth) - 1)

    rows = []
    for y in range(height - 1, -1, -1):  # bitmaps are stored bottom row first
        row = []
        for x in range(width):
            if bits in (1, 4, 8):
                b, g, r = palette[bits_at(xor_at + y * xor_stride, x, bits)]
                alpha = 0 if bits_at(and_at + y * and_stride, x, 1) else 255
            elif bits == 32:
                b, g, r, alpha = struct.unpack_from("<BBBB", data, xor_at + y * xor_stride + 4 * x)
            else:
                raise ValueError("icons of %d bits are not read here" % bits)
            row.append((r, g, b, alpha))
        rows.append(row)
    return width, rows


def png_bytes(rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, body):
        crc = zlib.crc32(kind + body)
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def scaled(rows, factor):
    return [[pixel for pixel in row for _ in range(factor)] for row in rows for _ in range(factor)]


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as f:
        size, rows = read_icon(f.read())
    for wanted in map(int, sys.argv[3:]):
        if wanted % size:
            sys.exit("%d is not a whole multiple of the icon's %d pixels" % (wanted, size))
        folder = os.path.join(sys.argv[2], "%dx%d" % (wanted, wanted), "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "otopicco.png"), "wb") as f:
            f.write(png_bytes(scaled(rows, wanted // size)))


if __name__ == "__main__":
    main()
