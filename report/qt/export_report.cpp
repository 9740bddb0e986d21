#include "report/qt/export_report.h"

#include "report/build_report.h"
#include "report/qt/report_file.h"

namespace report::qt {

void ExportReport(ReportBuffer& buffer, const ReportFields& fields, const AskFileName& askFileName) {
  BuildReport(buffer, fields);
  if (const std::optional<QString> path = askFileName()) SaveReportFile(buffer, *path);
}

}  // namespace report::qt
