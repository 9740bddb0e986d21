#include "report/export_report.h"

#include "report/build_report.h"
#include "report/report_file.h"

namespace report {

void ExportReport(ReportBuffer& buffer, const ReportFields& fields, SaveDialog& dialog, QWidget* owner) {
  BuildReport(buffer, fields);
  const std::optional<QString> path = dialog.AskFileName(owner);
  if (path) {
    SaveReportFile(buffer, *path);
  }
}

}  // namespace report
