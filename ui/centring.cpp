#include "ui/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui {

QPoint CentredPosition(const QRect& screen, const QSize& frame) {
  return screen.topLeft() + QPoint(std::max(0, (screen.width() - frame.width()) / 2),
                                   std::max(0, (screen.height() - frame.height()) / 2));
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // move() places the outer frame's corner, decoration included.
  window.move(CentredPosition(screen->geometry(), window.frameGeometry().size()));
}

}  // namespace ui
