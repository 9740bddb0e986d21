#include "app/startup_fatal_guard.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

#include "app/startup_error.h"

namespace app {
namespace {

QtMessageHandler previousHandler = nullptr;

void ReportFatalAsStartupError(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (previousHandler != nullptr) previousHandler(type, context, message);
    return;
  }
  // The application object is half made: no box can open and nothing of it
  // may run at exit, so the process ends here, without unwinding.
  std::fputs(StartupErrorText(QStringLiteral("app::WindowSystemError"), StartupModuleName(),
                              QString::fromLatin1(kNoWindowSystem))
                 .toLocal8Bit()
                 .constData(),
             stderr);
  std::fflush(stderr);
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
