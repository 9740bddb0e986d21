// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// FigureField: a read-only field of the award dialog that shows a figure
// whole. Its text wraps at the field's width, between words or, for one long
// word such as an amount in words, anywhere, and the field grows a line at a
// time to hold it, up to four lines: any amount in words fits, and a text
// longer still (a figure of a thousand digits) scrolls within the field
// rather than push the dialog past the screen. It looks like the main
// window's result fields: the button face behind navy text, grey while the
// figure is stale. As a message line it has no frame and its own colour.

#include <QColor>
#include <QTextEdit>

namespace ui {

class FigureField : public QTextEdit {
  Q_OBJECT

 public:
  explicit FigureField(QWidget* parent);

  // A line of the dialog rather than a field: no frame, the dialog's
  // background, `colour` while current.
  void makeMessageLine(const QColor& colour);

  // The figure's text, also its tooltip and accessible description.
  void showFigure(const QString& text);
  // Navy (or the message's colour) while the figure is that of the inputs,
  // grey while it is stale.
  void showCurrent(bool current);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 private:
  void fitHeight();

  QColor currentColour;
};

}  // namespace ui
