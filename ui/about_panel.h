// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AboutPanel: the white header and footer of the About window. It paints a
// raised one-pixel bevel (highlight on the top and left edges, shadow on the
// bottom and right), optionally a one-pixel white border inside it, and
// reports clicks. It takes the focus only when the window moves it there.

#include "ui/about_click_area.h"

namespace ui {

class AboutPanel : public AboutClickArea {
  Q_OBJECT

 public:
  enum class InnerBorder { None, White };

  AboutPanel(InnerBorder innerBorder, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  InnerBorder innerBorder;
};

}  // namespace ui
