// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AboutClickArea: a plain area of the About window that reports a click, that
// is a press and a release of the left mouse button on it with the release
// inside its rectangle. The header, the footer and the picture build on it.

#include <QWidget>

namespace ui {

class AboutClickArea : public QWidget {
  Q_OBJECT

 public:
  explicit AboutClickArea(QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed = false;
};

}  // namespace ui
