// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/run_program.h"

#include <QWidget>
#include <memory>

#include "app/application.h"
#include "app/error_box.h"
#include "app/floating_point.h"
#include "app/font_substitutions.h"
#include "app/no_settings.h"
#include "app/startup_error.h"
#include "app/startup_fatal_guard.h"
#include "app/toolkit_translation.h"
#include "calc/decimal_separator.h"

namespace app {
namespace {

// The application object, or the start-up report and exit code 1 when no
// window system can be reached.
std::unique_ptr<Application> MakeApplication(int& argc, char** argv, ErrorBox& errorBox) {
  const StartupFatalGuard guard;
  return std::make_unique<Application>(argc, argv, errorBox);
}

}  // namespace

int RunProgram(int argc, char** argv, CreateStartupWindows createWindows) {
  SetFloatingPointEnvironment();
  calc::LoadDecimalSeparator();
  DisableToolkitSettings();

  // The toolkit gets the program's name alone: none of its own options
  // (-platform, -qwindowtitle, -qwindowgeometry...) act on this program.
  char programName[] = "discordanza";
  char* toolkitArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : programName, nullptr};
  int toolkitArgc = 1;
  MessageErrorBox errorBox;
  const std::unique_ptr<Application> application = MakeApplication(toolkitArgc, toolkitArgv, errorBox);
  InstallFontSubstitutions();
  InstallToolkitTranslation(*application);

  // Declared after the application object: the windows go first on every
  // way out.
  std::unique_ptr<StartupWindows> windows;
  try {
    windows = createWindows();
    QWidget& mainWindow = windows->mainWindow();
    application->SetMainWindow(&mainWindow);
    mainWindow.show();
  } catch (...) {
    return ReportStartupError(std::current_exception());
  }
  return application->exec();
}

}  // namespace app
