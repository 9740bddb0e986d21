#pragma once
// ExportReport: what the "&Salva" button does. It builds the report of the six
// field texts in the report buffer, asks for a file name and, unless the user
// cancels, writes the buffer there as RTF (see SaveReportFile). Cancel writes
// nothing and says nothing; every failure is raised as an ExportError for the
// frame's error box.

#include <QString>
#include <functional>
#include <optional>

#include "report/report_buffer.h"
#include "report/report_fields.h"

namespace report::qt {

// Asks the user for the file's full path; nothing when the user cancelled or
// the asking failed.
using AskFileName = std::function<std::optional<QString>()>;

// buffer: the window's report buffer, which keeps the latest report.
void ExportReport(ReportBuffer& buffer, const ReportFields& fields, const AskFileName& askFileName);

}  // namespace report::qt
