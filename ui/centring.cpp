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

// Room left between a window and the one it is placed beside.
constexpr int kGap = 8;

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

void placeBeside(QWidget& window, const QWidget& anchor) {
  const QScreen* screen = anchor.screen();
  if (screen == nullptr) return;
  const QRect free = screen->availableGeometry();
  const QRect beside = anchor.frameGeometry();
  window.adjustSize();
  const QMargins decoration = askDecorationExtents(window).value_or(QMargins());
  const QSize outer = window.size().grownBy(decoration);
  // 1. The first place that fits the screen: right, left, or centred.
  QPoint corner(beside.right() + 1 + kGap, beside.top());
  if (corner.x() + outer.width() > free.right() + 1) corner.setX(beside.left() - kGap - outer.width());
  if (corner.x() < free.left()) {
    corner = beside.center() + QPoint(1, 1) - QPoint(outer.width() / 2, outer.height() / 2);
  }
  // 2. Kept on the screen, its top-left corner first where it is larger.
  corner.setX(std::max(free.left(), std::min(corner.x(), free.right() + 1 - outer.width())));
  corner.setY(std::max(free.top(), std::min(corner.y(), free.bottom() + 1 - outer.height())));
  // The client area goes where that decorated window is placed, as
  // centreOnScreen does.
  window.setGeometry(QRect(corner + QPoint(decoration.left(), decoration.top()), window.size()));
}

}  // namespace ui
