#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

"""Draws the program's icon for the desktop's icon theme, once, as a vector
drawing, and renders it for every size the theme asks for:

  icons/hicolor/scalable/apps/example.calmora.discordanza.svg
  icons/hicolor/NxN/apps/example.calmora.discordanza.png  for N in SIZES

The drawing is the emblem of make_main_assets.py (navy shield, pale-blue sky,
water, orange arch with its deck and two piers), with the same proportions,
on a transparent background. make_main_assets.py keeps drawing the window's
own 32 x 32 palette icon, pixel by pixel, as the window has always shown it.
Renders with rsvg-convert (librsvg2-bin); the output is the same on every run.
  assets/make_icons.py [OUTPUT_DIR]   (default: assets/icons)
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_ID = "example.calmora.discordanza"
SIZES = (16, 24, 32, 48, 64, 128, 256)
BOX = 256  # the drawing's own units: a 256 x 256 square

# The emblem's proportions, as fractions of the square (make_main_assets.py).
HALF, TOP, WAIST, TIP = 0.44, 0.06, 0.55, 0.96
# The navy border: 2.2 pixels of the 32-pixel icon at the top; the sides and
# the curve measure their distance in half-widths, so there it is 0.44 of that.
RIM_TOP, RIM_SIDE = 2.2 / 32, 2.2 / 32 * HALF
WATER = 0.62  # the water line and the arch's springing line
ARCH_RADIUS, ARCH_SQUASH, ARCH_HALF_WIDTH = 0.30, 1.1, 1.6 / 32
DECK, DECK_HALF_HEIGHT = 0.30, 1.0 / 32
PIERS, PIER_HALF_WIDTH, PIER_TOP = (0.2, 0.8), 1.3 / 32, 0.31


def units(fraction):
    return f"{fraction * BOX:.2f}".rstrip("0").rstrip(".")


def shield_path(top_inset, side_inset):
    """A rectangle on top of a half ellipse, shrunk by the insets."""
    left, right = 0.5 - HALF + side_inset, 0.5 + HALF - side_inset
    rx, ry = HALF - side_inset, TIP - WAIST - side_inset
    return (f"M{units(left)} {units(TOP + top_inset)}H{units(right)}V{units(WAIST)}"
            f"A{units(rx)} {units(ry)} 0 0 1 {units(left)} {units(WAIST)}Z")


def svg():
    rx = ARCH_RADIUS
    ry = ARCH_RADIUS / ARCH_SQUASH
    pier_bottom = TIP
    piers = "".join(
        f'<rect x="{units(u - PIER_HALF_WIDTH)}" y="{units(PIER_TOP)}" '
        f'width="{units(2 * PIER_HALF_WIDTH)}" height="{units(pier_bottom - PIER_TOP)}"/>'
        for u in PIERS)
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="{BOX}" height="{BOX}" viewBox="0 0 {BOX} {BOX}">
  <title>Discordanza</title>
  <defs>
    <clipPath id="inner"><path d="{shield_path(RIM_TOP, RIM_SIDE)}"/></clipPath>
    <linearGradient id="water" x1="0" y1="{units(WATER)}" x2="0" y2="{units(WATER + 1 / 12)}" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#3366cc" stop-opacity="0"/>
      <stop offset="1" stop-color="#3366cc"/>
    </linearGradient>
  </defs>
  <path d="{shield_path(0, 0)}" fill="#000080"/>
  <g clip-path="url(#inner)">
    <rect width="{BOX}" height="{BOX}" fill="#99ccff"/>
    <rect y="{units(WATER)}" width="{BOX}" height="{units(1 - WATER)}" fill="url(#water)"/>
    <path d="M{units(0.5 - rx)} {units(WATER)}A{units(rx)} {units(ry)} 0 0 1 {units(0.5 + rx)} {units(WATER)}" fill="none" stroke="#ff6600" stroke-width="{units(2 * ARCH_HALF_WIDTH)}"/>
    <rect y="{units(DECK - DECK_HALF_HEIGHT)}" width="{BOX}" height="{units(2 * DECK_HALF_HEIGHT)}" fill="#cc3300"/>
    <g fill="#663300">{piers}</g>
  </g>
</svg>
"""


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "icons")
    root = os.path.join(output, "hicolor")
    scalable = os.path.join(root, "scalable", "apps", ICON_ID + ".svg")
    os.makedirs(os.path.dirname(scalable), exist_ok=True)
    with open(scalable, "w", encoding="utf-8") as out:
        out.write(svg())
    for size in SIZES:
        png = os.path.join(root, f"{size}x{size}", "apps", ICON_ID + ".png")
        os.makedirs(os.path.dirname(png), exist_ok=True)
        subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                        "--output", png, scalable], check=True)


if __name__ == "__main__":
    main()
