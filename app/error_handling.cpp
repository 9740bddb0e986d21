// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/error_handling.h"

#include <QWidget>
#include <string>

#include "app/application.h"
#include "app/error_box.h"
#include "app/focus_return.h"
#include "app/silent_abort.h"
#include "app/title.h"
#include "form/full_stop.h"

namespace app {
namespace {

// The application object's box; the message box while there is none.
ErrorBox& CurrentBox() {
  static MessageErrorBox messageBox;
  auto* application = qobject_cast<Application*>(QCoreApplication::instance());
  return application != nullptr ? application->errorBox() : messageBox;
}

// UTF-8, as every message of the program is.
std::string MessageOf(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown exception";
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

void HandleError(std::exception_ptr error) {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  if (IsSilentAbort(error)) return;

  const FocusReturn focusReturn;
  CurrentBox().Show(ApplicationTitle(), QString::fromStdString(form::WithFullStop(MessageOf(error))));
}

}  // namespace app
