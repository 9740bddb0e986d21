// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/focus_return.h"

#include <QApplication>

namespace app {

FocusReturn::FocusReturn() : active_(QApplication::activeWindow()), focus_(QApplication::focusWidget()) {}

FocusReturn::~FocusReturn() {
  if (active_) active_->activateWindow();
  if (focus_) focus_->setFocus(Qt::OtherFocusReason);
}

}  // namespace app
