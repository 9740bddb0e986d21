// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/about_panel.h"

#include <QPainter>

namespace ui {

AboutPanel::AboutPanel(InnerBorder innerBorder, QWidget* parent)
    : AboutClickArea(parent), innerBorder(innerBorder) {
  setFocusPolicy(Qt::NoFocus);
}

void AboutPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect();
  painter.fillRect(area, Qt::white);
  // Raised bevel: the light edges first, the shadow edges over their ends.
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(area.topLeft(), area.topRight());
  painter.drawLine(area.topLeft(), area.bottomLeft());
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(area.bottomLeft(), area.bottomRight());
  painter.drawLine(area.topRight(), area.bottomRight());
  if (innerBorder == InnerBorder::White) {
    painter.setPen(Qt::white);
    painter.drawRect(area.adjusted(1, 1, -2, -2));
  }
}

}  // namespace ui
