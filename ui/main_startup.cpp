// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/main_startup.h"

namespace ui {

ProgramWindows::ProgramWindows(std::unique_ptr<SaveDialog> saveDialog)
    : main_([this]() -> AboutWindow& { return aboutWindow(); }, std::move(saveDialog)) {}

AboutWindow& ProgramWindows::aboutWindow() {
  if (!about_) about_ = std::make_unique<AboutWindow>();
  return *about_;
}

}  // namespace ui
