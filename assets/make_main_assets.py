#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

"""Draws the main window's logo and the program icon, with no library beyond
the standard one, and writes them next to this script:

  main_logo.png  40 x 59, 8 bits per pixel with a 236-colour palette; an
                 emblem on white, where every pixel of the bottom-left
                 pixel's colour (white) is made fully transparent here, once,
                 so that the window and the page draw it as it is.
  main_icon.png  32 x 32, 8 bits per pixel with a 256-colour palette.

The emblem: a navy shield with an orange arch (a bridge) over two piers and
a pale-blue sky, drawn with soft edges so the palette's shades get used.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def palette(size):
    """A 6x6x6 colour cube followed by an even grey ramp, `size` entries."""
    levels = [0, 51, 102, 153, 204, 255]
    colours = [(r, g, b) for r in levels for g in levels for b in levels]
    greys = size - len(colours)
    for i in range(greys):
        v = round(255 * (i + 1) / (greys + 1))
        colours.append((v, v, v))
    return colours


def nearest(colours, rgb):
    return min(range(len(colours)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(colours[i], rgb)))


def blend(under, over, alpha):
    return tuple(round(u + (o - u) * alpha) for u, o in zip(under, over))


def coverage(distance):
    """Soft edge: 1 inside, 0 outside, a one-pixel ramp across the border."""
    return max(0.0, min(1.0, 0.5 - distance))


def emblem(width, height, x, y):
    """Colour of pixel (x, y), top-down, of the emblem scaled to the box."""
    u = (x + 0.5) / width   # 0..1 across
    v = (y + 0.5) / height  # 0..1 down
    px = u * width
    colour = (255, 255, 255)
    # Shield: a rectangle on top of a half ellipse, with a navy border.
    half = 0.44
    top, waist, tip = 0.06, 0.55, 0.96
    dx = abs(u - 0.5) / half
    if v < waist:
        inside = max(dx - 1, top - v) * width
    else:
        t = (v - waist) / (tip - waist)
        inside = (dx - math.sqrt(max(0.0, 1 - t * t))) * width if t <= 1 else (v - tip) * height
    colour = blend(colour, (0, 0, 128), coverage(inside))
    inner = inside + 2.2
    colour = blend(colour, (153, 204, 255), coverage(inner))
    # Water below the arch.
    if v > 0.62:
        colour = blend(colour, (51, 102, 204), coverage(inner) * min(1.0, (v - 0.62) * 12))
    # The arch: a ring segment in orange, and the deck above it.
    cx, cy = 0.5 * width, 0.62 * height
    r = math.hypot(px - cx, (v * height - cy) * 1.1)
    ring = abs(r - 0.30 * width) - 1.6
    if v * height < cy:
        colour = blend(colour, (255, 102, 0), coverage(ring) * coverage(inner))
    deck = abs(v - 0.30) * height - 1.0
    colour = blend(colour, (204, 51, 0), coverage(deck) * coverage(inner))
    # Two piers under the arch ends.
    for pier_u in (0.2, 0.8):
        pier = max(abs(u - pier_u) * width - 1.3, (0.31 - v) * height)
        colour = blend(colour, (102, 51, 0), coverage(pier) * coverage(inner))
    return colour


def png_chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body
            + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def write_png(path, width, height, colours, transparent_corner=False):
    """A paletted PNG; with transparent_corner, the palette entry of the
    bottom-left pixel gets alpha 0 and every other entry stays opaque."""
    indices = [[nearest(colours, emblem(width, height, x, y)) for x in range(width)]
               for y in range(height)]
    raw = b"".join(b"\0" + bytes(row) for row in indices)
    chunks = [png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)),
              png_chunk(b"PLTE", b"".join(bytes(c) for c in colours))]
    if transparent_corner:
        key = indices[height - 1][0]
        chunks.append(png_chunk(b"tRNS", bytes(255 for _ in range(key)) + b"\0"))
    data = (b"\x89PNG\r\n\x1a\n" + b"".join(chunks)
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))
    with open(path, "wb") as out:
        out.write(data)


def main():
    write_png(os.path.join(HERE, "main_logo.png"), 40, 59, palette(236), transparent_corner=True)
    write_png(os.path.join(HERE, "main_icon.png"), 32, 32, palette(256))


if __name__ == "__main__":
    main()
