#include "report/report_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include "report/export_error.h"
#include "report/rtf_writer.h"

namespace report {

namespace {

// The temporary file would replace a read-only file without a word, and a
// process with administrator rights may write anything; a file that grants
// writing to nobody is therefore refused explicitly.
bool MayReplace(const QFileInfo& target) {
  if (!target.exists()) {
    return true;
  }
  // The mode bits only: WriteUser reports what this process may do.
  constexpr QFileDevice::Permissions kAnyWrite =
      QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return target.isFile() && target.isWritable() && (target.permissions() & kAnyWrite);
}

}  // namespace

void SaveReportFile(const ReportBuffer& buffer, const QString& path) {
  QSaveFile file(path);
  if (!MayReplace(QFileInfo(path)) || !file.open(QIODevice::WriteOnly)) {
    throw ExportError::CannotCreateFile(path);
  }
  // The explicit flush matters: commit() overlooks a failure to write out the
  // last buffered bytes and would put a truncated file in place. An
  // uncommitted QSaveFile removes its temporary file when it is destroyed,
  // and a failed commit removes it at once; the target is never touched.
  if (!WriteRtf(buffer.Document(), file) || !file.flush() || !file.commit()) {
    throw ExportError::FailedToSaveStream();
  }
}

}  // namespace report
