// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// RunProgram: the whole life of the windowed program. In this order: the
// floating-point environment, the decimal separator, the toolkit's settings
// turned off (nothing read, nothing kept), the application object
// and its fonts, the windows, the main window shown, the
// event loop; the windows destroyed before the application object. An error
// while the windows are built ends the program with the start-up report and
// exit code 1, and so does a window system that cannot be reached; closing
// the main window ends it with exit code 0. Of the command line only the
// program's name is read.

#include <memory>

class QWidget;

namespace app {

// The program's windows: the main window and those it shows; destroying it
// destroys them.
class StartupWindows {
 public:
  virtual ~StartupWindows() = default;
  virtual QWidget& mainWindow() = 0;  // not shown until RunProgram shows it
};

// Builds every window; an error it raises is a start-up error.
using CreateStartupWindows = std::unique_ptr<StartupWindows> (*)();

int RunProgram(int argc, char** argv, CreateStartupWindows createWindows);

}  // namespace app
