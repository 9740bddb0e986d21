// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/export_report.h"

#include "report/export_error.h"
#include "report/replace_file.h"
#include "report/report_rtf.h"

namespace report {

void ExportReport(const ReportFields& fields, const AskFileName& askFileName) {
  ExportRtf(ReportRtf(fields), askFileName);
}

void ExportRtf(const std::string& rtf, const AskFileName& askFileName) {
  const std::optional<std::string> path = askFileName();
  if (!path) return;
  try {
    ReplaceFile(*path, rtf);
  } catch (const FileWriteError& error) {
    if (error.stage() == FileWriteError::Stage::Create) throw ExportError::CannotCreateFile(*path);
    throw ExportError::FailedToSaveStream();
  }
}

}  // namespace report
