// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The windowed program's own start-up (frame, About window, main window),
// ended at the main window's first paint.

#include <memory>

#include "app/run_program.h"
#include "bench/app/first_paint_exit.h"
#include "ui/main_startup.h"
#include "ui/qt_save_dialog.h"

namespace {

std::unique_ptr<app::StartupWindows> CreateAndWatch() {
  auto windows = std::make_unique<ui::ProgramWindows>(std::make_unique<ui::QtSaveDialog>());
  QWidget& mainWindow = windows->mainWindow();
  mainWindow.installEventFilter(new FirstPaintExit(&mainWindow));
  return windows;
}

}  // namespace

int main(int argc, char** argv) { return app::RunProgram(argc, argv, &CreateAndWatch); }
