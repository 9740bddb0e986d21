#include "app/error_handling.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "app/error_box.h"
#include "app/full_stop.h"
#include "app/silent_abort.h"
#include "app/title.h"

namespace app {
namespace {

MessageErrorBox messageBox;
ErrorBox* installedBox = nullptr;

ErrorBox& CurrentBox() {
  return installedBox ? *installedBox : messageBox;
}

QString MessageOf(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return QStringLiteral("Unknown exception");
  }
}

bool IsSilentAbort(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const SilentAbort&) {
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace

void SetErrorBox(ErrorBox* box) {
  installedBox = box;
}

void HandleError(std::exception_ptr error) {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  if (IsSilentAbort(error)) return;

  const QPointer<QWidget> focus = QApplication::focusWidget();
  const QPointer<QWidget> active = QApplication::activeWindow();
  CurrentBox().Show(ApplicationTitle(), WithFullStop(MessageOf(error)));
  if (active) active->activateWindow();
  if (focus) focus->setFocus(Qt::OtherFocusReason);
}

}  // namespace app
