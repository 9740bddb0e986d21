// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/figure_field.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QTextDocument>
#include <cmath>

#include "ui/look.h"

namespace ui {

FigureField::FigureField(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setAcceptRichText(false);
  setTabChangesFocus(true);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  document()->setDocumentMargin(2);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  palette.setColor(QPalette::Text, kNavy);
  setPalette(palette);
  connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
          &FigureField::fitHeight);
  fitHeight();
}

void FigureField::showFigure(const QString& text) {
  if (toPlainText() == text) return;
  setPlainText(text);
  setToolTip(text);
  setAccessibleDescription(text);
}

void FigureField::showCurrent(bool current) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Text, current ? kNavy : kGrey);
  setPalette(palette);
}

// As wide as a line field, as high as its text.
QSize FigureField::sizeHint() const { return {QLineEdit().sizeHint().width(), height()}; }

QSize FigureField::minimumSizeHint() const { return {0, height()}; }

void FigureField::fitHeight() {
  const int lines = static_cast<int>(std::ceil(document()->size().height()));
  setFixedHeight(std::max(lines, fontMetrics().height() + 4) + 2 * frameWidth());
}

}  // namespace ui
