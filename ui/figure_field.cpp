// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/figure_field.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "ui/look.h"

namespace ui {

namespace {

// The most lines a field grows to; an amount in words takes two.
constexpr int kMostLines = 4;

}  // namespace

FigureField::FigureField(QWidget* parent) : QTextEdit(parent), currentColour(kNavy) {
  setReadOnly(true);
  setAcceptRichText(false);
  setTabChangesFocus(true);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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

void FigureField::makeMessageLine(const QColor& colour) {
  setFrameShape(QFrame::NoFrame);
  currentColour = colour;
  QPalette palette = this->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  palette.setColor(QPalette::Text, colour);
  setPalette(palette);
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
  palette.setColor(QPalette::Text, current ? currentColour : kGrey);
  setPalette(palette);
}

// As wide as a line field, as high as its text.
QSize FigureField::sizeHint() const { return {QLineEdit().sizeHint().width(), height()}; }

QSize FigureField::minimumSizeHint() const { return {0, height()}; }

void FigureField::fitHeight() {
  const int text = static_cast<int>(std::ceil(document()->size().height()));
  const int margins = 2 * static_cast<int>(std::ceil(document()->documentMargin()));
  const int line = fontMetrics().lineSpacing();
  setFixedHeight(std::clamp(text, line + margins, kMostLines * line + margins) + 2 * frameWidth());
}

}  // namespace ui
