#pragma once
// SaveReportFile: writes the report buffer as RTF into a file. Where the
// folder lets it, atomically: the bytes go to a temporary file beside the
// target, which replaces it only once complete, so on any failure the earlier
// file is left exactly as it was and no partial file remains. Where the
// folder forbids creating the temporary file but the target exists and is
// writable, and for a device such as /dev/full, the target is written in
// place; a failure then leaves what was written and is reported all the same.

#include <QString>

#include "report/report_buffer.h"

namespace report::qt {

// path: the full path as the save dialog returned it, used as it stands
// whatever its extension. Raises ExportError::CannotCreateFile(path) when the
// file cannot be created or opened there (a folder without write rights and
// no writable file, an invalid path, an existing read-only file, a folder),
// and ExportError::FailedToSaveStream() when writing or replacing fails.
void SaveReportFile(const ReportBuffer& buffer, const QString& path);

}  // namespace report::qt
