// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The windows of the program: the main window, built and shown at start-up,
// and the About window that it shows, built on its first showing so that
// the start-up up to the main window's first paint does without its picture
// and fonts; both live until the program ends.

#include <memory>

#include "app/run_program.h"
#include "ui/about_window.h"
#include "ui/main_window.h"
#include "ui/save_dialog.h"

namespace ui {

class ProgramWindows final : public app::StartupWindows {
 public:
  // The main window, not yet shown, asks for the report's file name through
  // saveDialog.
  explicit ProgramWindows(std::unique_ptr<SaveDialog> saveDialog);

  MainWindow& mainWindow() override { return window; }

 private:
  // Built on the first call; throws JpegError when the picture's header is
  // faulty, and is asked for again on the next call.
  AboutWindow& aboutWindow();

  std::unique_ptr<AboutWindow> about;
  MainWindow window;  // destroyed first
};

}  // namespace ui
