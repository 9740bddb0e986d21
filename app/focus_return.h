// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// FocusReturn: the one way back after a modal window (the error box, the About
// window, the save dialog). Made before the modal window opens, it remembers
// the active window and the widget with the keyboard focus; destroyed after
// the window has closed, it activates that window again and gives the focus
// back to that widget, so the user types on where they were. Widgets deleted
// meanwhile are skipped.

#include <QPointer>
#include <QWidget>

namespace app {

class FocusReturn {
 public:
  FocusReturn();
  ~FocusReturn();
  FocusReturn(const FocusReturn&) = delete;
  FocusReturn& operator=(const FocusReturn&) = delete;

 private:
  QPointer<QWidget> active_;
  QPointer<QWidget> focus_;
};

}  // namespace app
