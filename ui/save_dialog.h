// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// SaveDialog: asks the user for the name of the report file. The window sees
// only this interface, so that tests can answer it with a name or a cancel;
// QtSaveDialog is the real one.

#include <QString>
#include <optional>

class QWidget;

namespace ui {

class SaveDialog {
 public:
  virtual ~SaveDialog() = default;

  // Shows the dialog modally over owner's program and returns the full path
  // that the user confirmed, as typed, or nothing when the user cancelled or
  // the dialog failed. Shows no message of its own.
  virtual std::optional<QString> askFileName(QWidget* owner) = 0;
};

}  // namespace ui
