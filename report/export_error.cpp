// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/export_error.h"

#include <string>

namespace report {

ExportError ExportError::CannotCreateFile(std::string_view path) {
  return ExportError("Cannot create file " + std::string(path));
}

ExportError ExportError::FailedToSaveStream() { return ExportError("Failed to Save Stream"); }

ExportError ExportError::LineInsertion() { return ExportError("RichEdit line insertion error"); }

}  // namespace report
