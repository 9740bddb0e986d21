// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/main_startup.h"

namespace ui {

ProgramWindows::ProgramWindows(std::unique_ptr<SaveDialog> saveDialog)
    : window([this]() -> AboutWindow& { return aboutWindow(); }, std::move(saveDialog)) {}

AboutWindow& ProgramWindows::aboutWindow() {
  if (!about) about = std::make_unique<AboutWindow>();
  return *about;
}

}  // namespace ui
