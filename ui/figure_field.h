// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// FigureField: a read-only field of the award dialog that shows a figure
// whole. Its text wraps at the field's width, between words or, for one long
// word such as an amount in words, anywhere, and the field grows a line at a
// time to hold it, so nothing is ever cut off or scrolled out of view at any
// size or scale. It looks like the main window's result fields: the button
// face behind navy text, grey while the figure is stale.

#include <QTextEdit>

namespace ui {

class FigureField : public QTextEdit {
  Q_OBJECT

 public:
  explicit FigureField(QWidget* parent);

  // The figure's text, also its tooltip and accessible description.
  void showFigure(const QString& text);
  // Navy while the figure is that of the inputs, grey while it is stale.
  void showCurrent(bool current);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 private:
  void fitHeight();
};

}  // namespace ui
