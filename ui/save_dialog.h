// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// SaveDialog: asks the user for the name of a report file. The windows see
// only this interface, so that tests can answer it with a name or a cancel;
// QtSaveDialog is the real one.

#include <QString>
#include <optional>
#include <string_view>

#include "report/export_report.h"

class QWidget;

namespace ui {

class SaveDialog {
 public:
  virtual ~SaveDialog() = default;

  // Shows the dialog modally over owner's program, proposing proposedName
  // (UTF-8, form/report_file_name.h), and returns the full path that the user
  // confirmed, as typed, or nothing when the user cancelled or the dialog
  // failed. Shows no message of its own.
  virtual std::optional<QString> askFileName(QWidget* owner, std::string_view proposedName) = 0;
};

// The export's question for a file name, put through dialog over owner and
// answered as UTF-8.
report::AskFileName askFileNameThrough(SaveDialog& dialog, QWidget* owner, std::string_view proposedName);

}  // namespace ui
