// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/modal.h"

#include <QDialog>

#include "app/focus_return.h"
#include "app/frame_error.h"

namespace app {

int ShowModal(QDialog& dialog) {
  if (dialog.isVisible() || !dialog.isEnabled()) {
    throw FrameError("Cannot make a visible window modal");
  }
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();

  const FocusReturn focusReturn;
  dialog.setWindowModality(Qt::ApplicationModal);
  return dialog.exec();
}

}  // namespace app
