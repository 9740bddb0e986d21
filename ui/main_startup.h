#pragma once
// The windows the program builds at start-up: the About window, hidden, and
// the main window that shows it; both live until the program ends.

#include <memory>

#include "app/run_program.h"
#include "ui/about_window.h"
#include "ui/main_window.h"
#include "ui/save_dialog.h"

namespace ui {

class ProgramWindows final : public app::StartupWindows {
 public:
  // The main window, not yet shown, asks for the report's file name through
  // saveDialog. Throws JpegError when the About picture's header is faulty.
  explicit ProgramWindows(std::unique_ptr<SaveDialog> saveDialog);

  MainWindow& mainWindow() override { return main_; }

 private:
  AboutWindow about_;
  MainWindow main_;  // destroyed first
};

}  // namespace ui
