#pragma once
// SaveReportFile: writes the report buffer as RTF into a file, atomically: the
// bytes go to a temporary file in the same folder, which replaces the target
// only once it is complete. On any failure the earlier file of that name is
// left exactly as it was and no partial file remains.

#include <QString>

#include "report/report_buffer.h"

namespace report {

// path: the full path as the save dialog returned it, used as it stands
// whatever its extension. Raises ExportError::CannotCreateFile(path) when the
// file cannot be created there (a folder without write rights, an invalid
// path, an existing read-only file or something that is not a file), and
// ExportError::FailedToSaveStream() when writing or replacing fails.
void SaveReportFile(const ReportBuffer& buffer, const QString& path);

}  // namespace report
