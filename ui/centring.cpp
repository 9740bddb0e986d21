// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/frame_extents.h"

namespace ui {
namespace {

// Top-left corner of an outer frame of the given size centred on the screen:
// each half of the free room with the remainder dropped, 0 when negative.
QPoint CentredPosition(const QRect& screen, const QSize& frame) {
  return screen.topLeft() + QPoint(std::max(0, (screen.width() - frame.width()) / 2),
                                   std::max(0, (screen.height() - frame.height()) / 2));
}

}  // namespace

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  if (window.isVisible() || (window.windowFlags() & Qt::FramelessWindowHint)) {
    // move() places the outer frame's corner, decoration included.
    window.move(CentredPosition(screen->geometry(), window.frameGeometry().size()));
    return;
  }
  // Not yet shown: the window manager tells its decoration beforehand, and
  // the client area goes where that frame is centred. Without an answer the
  // client area is centred.
  const QMargins frame = AskFrameExtents(window).value_or(QMargins());
  const QPoint corner = CentredPosition(screen->geometry(), window.size().grownBy(frame));
  window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window.size()));
}

}  // namespace ui
