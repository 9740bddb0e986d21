#include "app/run_program.h"

#include <QWidget>

#include "app/application.h"
#include "app/floating_point.h"
#include "app/font_substitutions.h"
#include "app/startup_error.h"
#include "app/toolkit_translation.h"
#include "calc/decimal_separator.h"

namespace app {
namespace {

// Destroys the windows on every way out, before the application object.
class WindowsOwner {
 public:
  explicit WindowsOwner(const StartupWindows& windows) : windows_(windows) {}
  ~WindowsOwner() { windows_.destroy(); }
  WindowsOwner(const WindowsOwner&) = delete;
  WindowsOwner& operator=(const WindowsOwner&) = delete;

 private:
  const StartupWindows& windows_;
};

}  // namespace

int RunProgram(int& argc, char** argv, const StartupWindows& windows) {
  SetFloatingPointEnvironment();
  calc::LoadDecimalSeparator();
  Application application(argc, argv);
  InstallFontSubstitutions();
  InstallToolkitTranslation(application);

  WindowsOwner owner(windows);
  try {
    QWidget* mainWindow = windows.create();
    application.SetMainWindow(mainWindow);
    mainWindow->show();
  } catch (...) {
    return ReportStartupError(std::current_exception());
  }
  return application.exec();
}

}  // namespace app
