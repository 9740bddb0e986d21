// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Reads JPEG data with libjpeg: the header alone, or the whole picture into a
// QImage. Every fatal fault the library reports becomes a JpegError; its
// warnings and trace messages are dropped, and it never ends the process.

#include <QByteArray>
#include <QImage>

namespace ui {

struct JpegHeader {
  int width = 0;
  int height = 0;
  bool grayscale = false;
  bool progressive = false;
};

// How the decoded picture is laid out in memory.
enum class JpegOutput {
  Rgb24,     // 24-bit RGB (QImage::Format_RGB888)
  Palette8,  // at most 236 colours chosen by libjpeg's two-pass quantiser with
             // Floyd-Steinberg dithering (QImage::Format_Indexed8)
};

// Throws JpegError.
JpegHeader readJpegHeader(const QByteArray& data);

// Decodes at full scale with the floating-point inverse DCT, block smoothing
// and colour output. Throws JpegError.
QImage decodeJpeg(const QByteArray& data, JpegOutput output);

}  // namespace ui
