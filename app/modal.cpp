#include "app/modal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

#include "app/frame_error.h"

namespace app {

int ShowModal(QDialog& dialog) {
  if (dialog.isVisible() || !dialog.isEnabled()) {
    throw FrameError("Cannot make a visible window modal");
  }
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();

  const QPointer<QWidget> focus = QApplication::focusWidget();
  const QPointer<QWidget> active = QApplication::activeWindow();
  dialog.setWindowModality(Qt::ApplicationModal);
  const int result = dialog.exec();
  if (active) active->activateWindow();
  if (focus) focus->setFocus(Qt::OtherFocusReason);
  return result;
}

}  // namespace app
