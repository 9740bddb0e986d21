// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/save_dialog.h"

namespace ui {

report::AskFileName askFileNameThrough(SaveDialog& dialog, QWidget* owner, std::string_view proposedName) {
  return [&dialog, owner, proposedName]() -> std::optional<std::string> {
    const std::optional<QString> path = dialog.askFileName(owner, proposedName);
    if (!path) return std::nullopt;
    return path->toStdString();
  };
}

}  // namespace ui
