// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/about_click_area.h"

#include <QMouseEvent>

namespace ui {

AboutClickArea::AboutClickArea(QWidget* parent) : QWidget(parent) {}

void AboutClickArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed = true;
  event->accept();
}

void AboutClickArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool wasPressed = pressed;
  pressed = false;
  if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace ui
