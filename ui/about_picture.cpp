// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/about_picture.h"

#include <QPainter>
#include <QTimer>

#include "ui/jpeg_error.h"

namespace ui {

AboutPicture::AboutPicture(const QByteArray& jpeg, int screenBitsPerPixel, QWidget* parent)
    : AboutClickArea(parent), picture(jpeg, screenBitsPerPixel) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void AboutPicture::paintEvent(QPaintEvent*) {
  const QImage* image = nullptr;
  try {
    image = &picture.image();
  } catch (const JpegError& error) {
    raiseLater(error.messageCode());
    return;
  }
  QPainter painter(this);
  if (image->isNull()) {
    painter.fillRect(rect(), palette().color(QPalette::Button));
    return;
  }
  // Without SmoothPixmapTransform the raster engine samples the nearest pixel.
  painter.drawImage(rect(), *image);
}

void AboutPicture::raiseLater(int messageCode) {
  // The error is thrown from a timer event of its own, where the
  // application's guard around every event catches it and shows it.
  QTimer::singleShot(0, this, [messageCode] { throw JpegError(messageCode); });
}

}  // namespace ui
