#!/bin/sh

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# Makes the About window's picture, assets/calmora.jpg: a dark blue marbled
# background with the firm's name across it in large pale serif letters.
# 993 x 417 pixels, JFIF 1.1, 300 dpi, baseline, 8-bit YCbCr 4:2:0.
# Needs imagemagick and the Liberation fonts. The seed keeps the output stable.
set -eu
here=$(dirname "$0")
out=${1:-$here/calmora.jpg}
quality=${ABOUT_PICTURE_QUALITY:-97}

convert -seed 1998 -size 993x417 plasma:fractal \
  -blur 0x1.5 -colorspace Gray -auto-level -function Sinusoid 3,90 -auto-level \
  -fill 'rgb(20,40,110)' -colorize 72% \
  -brightness-contrast -22x15 \
  -font Liberation-Serif -pointsize 230 \
  -fill 'rgba(0,0,20,0.35)' -gravity center -annotate +5+6 'Calmora' \
  -fill 'rgba(205,215,245,0.28)' -annotate +0+0 'Calmora' \
  -type TrueColor -colorspace sRGB -strip \
  -interlace none -sampling-factor 2x2,1x1,1x1 \
  -density 300 -units PixelsPerInch \
  -quality "$quality" "jpeg:$out"
identify -format '%wx%h %b %x %y %[jpeg:sampling-factor]\n' "$out"
