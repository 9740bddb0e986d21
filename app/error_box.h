// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// ErrorBox: where the frame shows an error message to the user, handed to
// the application object when it is made. The program uses MessageErrorBox
// (critical icon, the message, one OK button, modal to the whole program),
// which stays readable whatever the message: a long one wraps, also inside a
// run without spaces, and scrolls in a selectable text beyond half the
// screen's height, so the box fits the screen and OK stays in reach.

#include <QString>

namespace app {

class ErrorBox {
 public:
  virtual ~ErrorBox() = default;
  // Returns when the user has closed the box.
  virtual void Show(const QString& title, const QString& text) = 0;
};

class MessageErrorBox : public ErrorBox {
 public:
  // The box is at most half the available screen in each direction plus its
  // icon and button row; a short message gets a box just around it. Enter,
  // Space on OK and Escape close it.
  void Show(const QString& title, const QString& text) override;
};

}  // namespace app
