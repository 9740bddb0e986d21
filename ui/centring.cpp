// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/decoration_extents.h"

namespace ui {
namespace {

// Top-left corner of a decorated window of the given outer size centred on
// the screen:
// each half of the free room with the remainder dropped, 0 when negative.
QPoint centredPosition(const QRect& screen, const QSize& outer) {
  return screen.topLeft() + QPoint(std::max(0, (screen.width() - outer.width()) / 2),
                                   std::max(0, (screen.height() - outer.height()) / 2));
}

}  // namespace

void centreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  if (window.isVisible() || (window.windowFlags() & Qt::FramelessWindowHint)) {
    // move() places the outer corner, the window decoration included.
    window.move(centredPosition(screen->geometry(), window.frameGeometry().size()));
    return;
  }
  // Not yet shown: the window manager tells its decoration beforehand, and
  // the client area goes where that decorated window is centred. Without an answer the
  // client area is centred.
  const QMargins decoration = askDecorationExtents(window).value_or(QMargins());
  const QPoint corner = centredPosition(screen->geometry(), window.size().grownBy(decoration));
  window.setGeometry(QRect(corner + QPoint(decoration.left(), decoration.top()), window.size()));
}

}  // namespace ui
