// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/jpeg_picture.h"

namespace ui {

namespace {

JpegOutput OutputFor(int screenBitsPerPixel) {
  return screenBitsPerPixel <= 8 ? JpegOutput::Palette8 : JpegOutput::Rgb24;
}

}  // namespace

JpegPicture::JpegPicture(const QByteArray& data, int screenBitsPerPixel)
    : data_(data), output_(OutputFor(screenBitsPerPixel)), header_(ReadJpegHeader(data_)) {}

const QImage& JpegPicture::image() {
  if (!decodeTried_) {
    decodeTried_ = true;
    image_ = DecodeJpeg(data_, output_);
  }
  return image_;
}

}  // namespace ui
