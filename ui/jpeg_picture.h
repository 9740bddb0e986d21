// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// JpegPicture: a JPEG file held in memory that is decoded at most once. Making
// one reads only the header; the first call of image() decodes the whole
// picture and every later call returns the same bitmap. A decode that fails is
// not tried again.

#include <QByteArray>
#include <QImage>

#include "ui/jpeg_decoder.h"

namespace ui {

class JpegPicture {
 public:
  // Keeps a copy of the data and reads its header; throws JpegError.
  // screenBitsPerPixel of 8 or less asks for a 236-colour palette, more for
  // 24-bit colour.
  JpegPicture(const QByteArray& data, int screenBitsPerPixel);

  const JpegHeader& header() const { return jpegHeader; }

  // The decoded picture; throws JpegError on the call that decodes when the
  // data is faulty, and returns a null image on later calls.
  const QImage& image();

 private:
  QByteArray data;
  JpegOutput output;
  JpegHeader jpegHeader;
  QImage decoded;
  bool decodeTried = false;
};

}  // namespace ui
