#pragma once
// RunProgram: the whole life of the windowed program. In this order: the
// floating-point environment, the decimal separator, the toolkit's settings
// turned off (nothing read, nothing kept), the application object
// and its fonts, the windows (main window first), the main window shown, the
// event loop; the windows destroyed before the application object. An error
// while the windows are built ends the program with the start-up report and
// exit code 1, and so does a window system that cannot be reached; closing
// the main window ends it with exit code 0. Of the command line only the
// program's name is read.

class QWidget;

namespace app {

struct StartupWindows {
  QWidget* (*create)();  // builds every window, returns the main window (not shown)
  void (*destroy)();     // destroys whatever create built; safe after a failed create
};

int RunProgram(int argc, char** argv, const StartupWindows& windows);

}  // namespace app
