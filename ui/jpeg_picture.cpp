// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/jpeg_picture.h"

namespace ui {

namespace {

JpegOutput outputFor(int screenBitsPerPixel) {
  return screenBitsPerPixel <= 8 ? JpegOutput::Palette8 : JpegOutput::Rgb24;
}

}  // namespace

JpegPicture::JpegPicture(const QByteArray& data, int screenBitsPerPixel)
    : data(data), output(outputFor(screenBitsPerPixel)), jpegHeader(readJpegHeader(data)) {}

const QImage& JpegPicture::image() {
  if (!decodeTried) {
    decodeTried = true;
    decoded = decodeJpeg(data, output);
  }
  return decoded;
}

}  // namespace ui
