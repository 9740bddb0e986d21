// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AboutPicture: the About window's picture. It holds a JpegPicture (so making
// it reads only the JPEG header), decodes it on the first paint and draws it
// stretched over its whole area by dropping rows and columns, never blending.
// A decoding fault on paint is passed on to the application's error boundary
// from a separate event, not thrown through the painting code.

#include "ui/about_click_area.h"
#include "ui/jpeg_picture.h"

namespace ui {

class AboutPicture : public AboutClickArea {
  Q_OBJECT

 public:
  // Throws JpegError when the header cannot be read.
  AboutPicture(const QByteArray& jpeg, int screenBitsPerPixel, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void raiseLater(int messageCode);

  JpegPicture picture;
};

}  // namespace ui
