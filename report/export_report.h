// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// ExportReport: what the "Salva" button does. It makes the report of the six
// field texts (the same RTF bytes as ReportRtf gives the companion and the
// page), asks for a file name and, unless the user cancels, writes it there
// through ReplaceFile: atomically where the folder allows, so a failure leaves
// an earlier file as it was. Cancel writes nothing and says nothing; every
// failure is raised as an ExportError with the message the error box shows.

#include <functional>
#include <optional>
#include <string>

#include "report/report_fields.h"

namespace report {

// Asks the user for the file's full path (UTF-8), used as it stands whatever
// its extension; nothing when the user cancelled or the asking failed.
using AskFileName = std::function<std::optional<std::string>()>;

// Raises ExportError::LineInsertion() before asking when a text cannot stand
// in the report (a line break in it); ExportError::CannotCreateFile(path) when
// the file cannot be created or opened (nothing was touched);
// ExportError::FailedToSaveStream() when writing failed part way.
void ExportReport(const ReportFields& fields, const AskFileName& askFileName);

// The same for a report already made (the award check's): asks for a file
// name and writes rtf there, raising as ExportReport does once it has asked.
void ExportRtf(const std::string& rtf, const AskFileName& askFileName);

}  // namespace report
