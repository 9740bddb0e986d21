#include "report/export_error.h"

namespace report {

ExportError ExportError::CannotCreateFile(const QString& path) {
  return ExportError("Cannot create file " + path.toStdString());
}

ExportError ExportError::FailedToSaveStream() {
  return ExportError("Failed to Save Stream");
}

ExportError ExportError::LineInsertion() {
  return ExportError("RichEdit line insertion error");
}

}  // namespace report
