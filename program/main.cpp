// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The windowed program: the main window and the About window on the frame,
// the report's file name asked through the toolkit's save dialog.

#include <memory>

#include "app/run_program.h"
#include "ui/main_startup.h"
#include "ui/qt_save_dialog.h"

namespace {

std::unique_ptr<app::StartupWindows> CreateWindows() {
  return std::make_unique<ui::ProgramWindows>(std::make_unique<ui::QtSaveDialog>());
}

}  // namespace

int main(int argc, char** argv) { return app::RunProgram(argc, argv, &CreateWindows); }
