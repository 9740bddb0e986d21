// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/startup_fatal_guard.h"

#include <QtGlobal>
#include <cstdlib>

#include "app/frame_error.h"
#include "app/startup_error.h"

namespace app {
namespace {

// Italian, as every text the user sees.
constexpr const char* kNoWindowSystem =
    "Nessun sistema di finestre raggiungibile: avviare il programma in una sessione grafica o in un "
    "display virtuale";

QtMessageHandler previousHandler = nullptr;

void ReportFatalAsStartupError(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (previousHandler != nullptr) previousHandler(type, context, message);
    return;
  }
  // The application object is half made: no box can open and nothing of it
  // may run at exit, so the process ends here, without unwinding.
  WriteStartupError(std::make_exception_ptr(WindowSystemError(kNoWindowSystem)));
  std::_Exit(1);
}

}  // namespace

StartupFatalGuard::StartupFatalGuard() {
  previousHandler = qInstallMessageHandler(&ReportFatalAsStartupError);
}

StartupFatalGuard::~StartupFatalGuard() {
  qInstallMessageHandler(previousHandler);
  previousHandler = nullptr;
}

}  // namespace app
