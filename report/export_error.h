// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// ExportError: every failure of the report export. what() is the exact text
// that the error box shows (UTF-8); the export raises nothing else of its own.

#include <stdexcept>
#include <string_view>

namespace report {

class ExportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;

  // "Cannot create file %s", with the full path as the dialog returned it.
  static ExportError CannotCreateFile(std::string_view path);
  // "Failed to Save Stream": writing or replacing the file failed part way.
  static ExportError FailedToSaveStream();
  // "RichEdit line insertion error": the report buffer did not take a line whole.
  static ExportError LineInsertion();
};

}  // namespace report
