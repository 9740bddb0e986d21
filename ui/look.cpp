// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/look.h"

#include <QWidget>

namespace ui {

QFont pixelFont(const char* family, int characterHeight, FontStyle style) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(characterHeight);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  return font;
}

void setTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  widget.setPalette(palette);
}

}  // namespace ui
