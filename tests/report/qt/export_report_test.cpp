// The whole export against real files in a temporary folder, with the file
// name answered by the test: cancel, names as typed, replacing, writing in
// place where no temporary file can be made, a device, the failures with
// their messages, and an earlier file that survives every atomic failure.
#include "report/qt/export_report.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <ostream>

#include "report/export_error.h"
#include "report/report_rtf.h"
#include "tests/report/report_samples.h"

namespace report::qt {
namespace {

QByteArray Rtf(const ReportFields& fields) { return QByteArray::fromStdString(ReportRtf(fields)); }

// The file name the user gives: every request answered with the same name,
// or with a cancel, and counted.
struct FileNameAnswer {
  std::optional<QString> name;
  int asked = 0;
  AskFileName Asker() {
    return [this] {
      ++asked;
      return name;
    };
  }
};

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<cannot read>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs the export and returns the message it raised, or nothing.
std::optional<std::string> Export(ReportBuffer& buffer, const ReportFields& fields, FileNameAnswer& answer) {
  try {
    ExportReport(buffer, fields, answer.Asker());
    return std::nullopt;
  } catch (const ExportError& error) {
    return error.what();
  }
}

class ExportReportTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return folder_.filePath(name); }
  QString Folder() const { return folder_.path(); }

  std::optional<std::string> ExportTo(const std::optional<QString>& path,
                                      const ReportFields& fields = testing::TypicalFields()) {
    FileNameAnswer answer{.name = path};
    const auto error = Export(buffer_, fields, answer);
    EXPECT_EQ(answer.asked, 1);
    return error;
  }

  QTemporaryDir folder_;
  ReportBuffer buffer_;
};

TEST_F(ExportReportTest, CancelWritesNothingAndRaisesNothing) {
  EXPECT_EQ(ExportTo(std::nullopt), std::nullopt);
  EXPECT_TRUE(Entries(Folder()).isEmpty());
  EXPECT_EQ(buffer_.Lines().size(), 14u) << "the buffer keeps the report";
}

struct NameRow {
  const char* name;
  QString fileName;
};

// Names the row in test output.
inline void PrintTo(const NameRow& row, std::ostream* os) { *os << row.name; }

class ExportReportNames : public ExportReportTest, public ::testing::WithParamInterface<NameRow> {};

TEST_P(ExportReportNames, WritesRtfUnderTheNameAsTyped) {
  const QString path = Path(GetParam().fileName);
  EXPECT_EQ(ExportTo(path), std::nullopt);
  EXPECT_EQ(Entries(Folder()), QStringList{GetParam().fileName}) << "no suffix added, no temporary left";
  EXPECT_EQ(Contents(path), Rtf(testing::TypicalFields()));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExportReportNames,
    ::testing::Values(NameRow{"Proposed", "Percentuale di discordanza.rtf"}, NameRow{"NoExtension", "report"},
                      NameRow{"PlainTextExtension", "report.txt"}, NameRow{"TrailingDot", "report."},
                      NameRow{"NonAsciiName", QString::fromUtf16(u"perch\u00e8 \u20ac.rtf")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportReportTest, ReplacesAnExistingFileWholly) {
  const QString path = Path("old.rtf");
  WriteFile(path, QByteArray(100000, 'x'));
  EXPECT_EQ(ExportTo(path), std::nullopt);
  EXPECT_EQ(Contents(path), Rtf(testing::TypicalFields()));
  EXPECT_EQ(Entries(Folder()), QStringList{"old.rtf"});
}

TEST_F(ExportReportTest, ASecondExportLeavesNothingOfTheFirst) {
  const QString path = Path("r.rtf");
  const ReportFields longer = testing::FieldSamples()[2].fields;
  ASSERT_EQ(ExportTo(path, longer), std::nullopt);
  ASSERT_EQ(ExportTo(path), std::nullopt);
  EXPECT_EQ(Contents(path), Rtf(testing::TypicalFields()));
}

TEST_F(ExportReportTest, TwoExportsOfTheSameFieldsGiveTheSameBytes) {
  ASSERT_EQ(ExportTo(Path("a.rtf")), std::nullopt);
  ASSERT_EQ(ExportTo(Path("b.rtf")), std::nullopt);
  EXPECT_EQ(Contents(Path("a.rtf")), Contents(Path("b.rtf")));
}

TEST_F(ExportReportTest, ALineTheBufferCannotTakeStopsBeforeTheDialog) {
  ReportBuffer small(200);
  FileNameAnswer answer{.name = Path("never.rtf")};
  EXPECT_EQ(Export(small, testing::TypicalFields(), answer), "RichEdit line insertion error");
  EXPECT_EQ(answer.asked, 0);
  EXPECT_TRUE(Entries(Folder()).isEmpty());
}

TEST_F(ExportReportTest, AReadOnlyFileCannotBeCreatedAndStaysAsItWas) {
  const QString path = Path("kept.rtf");
  WriteFile(path, "earlier report");
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  EXPECT_EQ(ExportTo(path), "Cannot create file " + path.toStdString());
  EXPECT_EQ(Contents(path), "earlier report");
  EXPECT_EQ(Entries(Folder()), QStringList{"kept.rtf"});
}

TEST_F(ExportReportTest, AFolderInPlaceOfTheFileCannotBeCreated) {
  ASSERT_TRUE(QDir(Folder()).mkdir("folder.rtf"));
  EXPECT_EQ(ExportTo(Path("folder.rtf")), "Cannot create file " + Path("folder.rtf").toStdString());
}

TEST_F(ExportReportTest, AMissingFolderCannotBeCreated) {
  const QString path = Path("missing/r.rtf");
  EXPECT_EQ(ExportTo(path), "Cannot create file " + path.toStdString());
  EXPECT_TRUE(Entries(Folder()).isEmpty());
}

// Without administrator rights for the scope of the object (as nobody in
// nogroup): a process that has them would write into any folder.
class WithoutAdministratorRights {
 public:
  WithoutAdministratorRights() : dropped_(geteuid() == 0) {
    if (dropped_) {
      EXPECT_EQ(setegid(65534), 0) << "cannot join nogroup";
      EXPECT_EQ(seteuid(65534), 0) << "cannot become nobody";
    }
  }
  ~WithoutAdministratorRights() {
    if (dropped_) {
      EXPECT_EQ(seteuid(0), 0);
      EXPECT_EQ(setegid(0), 0);
    }
  }
  WithoutAdministratorRights(const WithoutAdministratorRights&) = delete;
  WithoutAdministratorRights& operator=(const WithoutAdministratorRights&) = delete;

 private:
  bool dropped_;
};

// Without a temporary file beside it, a new file cannot be made, while an
// existing writable file is written in place.
TEST_F(ExportReportTest, AFolderWithoutCreateRightsStillLetsAWritableFileBeReplaced) {
  const QString locked = Path("locked");
  ASSERT_TRUE(QDir(Folder()).mkdir("locked"));
  WriteFile(locked + "/earlier.rtf", QByteArray(100000, 'x'));
  const auto readAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                            QFile::ReadOther | QFile::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(Folder(), readAndEnter | QFile::WriteOwner));
  ASSERT_TRUE(QFile::setPermissions(locked + "/earlier.rtf",
                                    QFile::permissions(locked + "/earlier.rtf") | QFile::WriteOther));
  ASSERT_TRUE(QFile::setPermissions(locked, readAndEnter));
  std::optional<std::string> newError;
  std::optional<std::string> replaceError;
  {
    const WithoutAdministratorRights user;
    newError = ExportTo(locked + "/new.rtf");
    replaceError = ExportTo(locked + "/earlier.rtf");
  }
  EXPECT_EQ(newError, "Cannot create file " + (locked + "/new.rtf").toStdString());
  EXPECT_EQ(replaceError, std::nullopt);
  EXPECT_EQ(Entries(locked), QStringList{"earlier.rtf"});
  EXPECT_EQ(Contents(locked + "/earlier.rtf"), Rtf(testing::TypicalFields())) << "replaced wholly";
  QFile::setPermissions(locked, readAndEnter | QFile::WriteOwner);
}

// A device cannot be replaced by a file: it is written as it is, and a full
// one fails the save.
TEST_F(ExportReportTest, AFullDeviceFailsTheSave) {
  EXPECT_EQ(ExportTo("/dev/full"), "Failed to Save Stream");
  EXPECT_TRUE(QFileInfo("/dev/full").exists());
  EXPECT_FALSE(QFileInfo("/dev/full").isFile()) << "still the device";
  EXPECT_EQ(ExportTo("/dev/null"), std::nullopt);
}

// Files of the process may not grow beyond `bytes` for the scope of the
// object: writes beyond fail as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, old_.rlim_max};
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t oldHandler_;
};

struct HalfWayRow {
  const char* name;
  ReportFields fields;
  rlim_t limit;
};

// Names the row in test output.
inline void PrintTo(const HalfWayRow& row, std::ostream* os) { *os << row.name; }

class ExportReportHalfWay : public ExportReportTest, public ::testing::WithParamInterface<HalfWayRow> {};

TEST_P(ExportReportHalfWay, LeavesTheEarlierFileIntactAndNoPartialFile) {
  const QString path = Path("kept.rtf");
  WriteFile(path, "earlier report");
  ASSERT_GT(Rtf(GetParam().fields).size(), static_cast<qsizetype>(GetParam().limit)) << "the limit bites";
  std::optional<std::string> error;
  {
    const FileSizeLimit limit(GetParam().limit);
    error = ExportTo(path, GetParam().fields);
  }
  EXPECT_EQ(error, "Failed to Save Stream");
  EXPECT_EQ(Contents(path), "earlier report");
  EXPECT_EQ(Entries(Folder()), QStringList{"kept.rtf"});
}

INSTANTIATE_TEST_SUITE_P(Failures, ExportReportHalfWay,
                         ::testing::Values(
                             // The whole report fits the file's write buffer: the failure comes
                             // when it is flushed and committed.
                             HalfWayRow{"WhenCommitting", testing::TypicalFields(), 300},
                             // A long field fills the buffer: the write itself fails mid-report.
                             HalfWayRow{"WhileWriting",
                                        testing::Fields(std::string(200000, '1'), "2", "3", "4", "5", "6"),
                                        65536}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace report::qt
