#include "report/qt/report_file.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "report/export_error.h"
#include "report/rtf_writer.h"

namespace report::qt {

namespace {

// A character device (/dev/full, /dev/null, a terminal) cannot be replaced
// by a file: it is written as it is.
bool IsCharacterDevice(const QString& path) {
  struct stat status {};
  return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISCHR(status.st_mode);
}

// The temporary file would replace a read-only file without a word, and a
// process with administrator rights may write anything; a file that grants
// writing to nobody is therefore refused explicitly.
bool MayReplace(const QFileInfo& target) {
  if (!target.exists()) return true;
  // The mode bits only: WriteUser reports what this process may do.
  constexpr QFileDevice::Permissions kAnyWrite =
      QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return target.isFile() && target.isWritable() && (target.permissions() & kAnyWrite);
}

// Writes the whole report; the explicit flush matters, since a QSaveFile's
// commit() overlooks a failure to write out the last buffered bytes.
bool WriteAll(const ReportBuffer& buffer, QFileDevice& file) {
  const bool written = WriteRtf(buffer, [&file](std::string_view piece) {
    return file.write(piece.data(), static_cast<qint64>(piece.size())) == static_cast<qint64>(piece.size());
  });
  return written && file.flush();
}

void SaveToDevice(const ReportBuffer& buffer, const QString& path) {
  QFile device(path);
  if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    throw ExportError::CannotCreateFile(path.toStdString());
  if (!WriteAll(buffer, device)) throw ExportError::FailedToSaveStream();
}

}  // namespace

void SaveReportFile(const ReportBuffer& buffer, const QString& path) {
  if (IsCharacterDevice(path)) {
    SaveToDevice(buffer, path);
    return;
  }
  QSaveFile file(path);
  // Without a temporary file beside it (a folder without create rights), a
  // writable existing file is written in place rather than refused.
  file.setDirectWriteFallback(true);
  if (!MayReplace(QFileInfo(path)) || !file.open(QIODevice::WriteOnly)) {
    throw ExportError::CannotCreateFile(path.toStdString());
  }
  // An uncommitted QSaveFile removes its temporary file when it is destroyed,
  // and a failed commit removes it at once; the target is never touched.
  if (!WriteAll(buffer, file) || !file.commit()) throw ExportError::FailedToSaveStream();
}

}  // namespace report::qt
