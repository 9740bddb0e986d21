// The report in the buffer: its fourteen lines and every character's format,
// for each group of field texts, and nothing left of an earlier report.
#include "report/build_report.h"

#include <gtest/gtest.h>

#include <QTextBlock>

#include "report/export_error.h"
#include "report_samples.h"

namespace report {
namespace {

using testing::ExpectedLines;
using testing::FieldSample;

struct Looks {
  bool bold;
  bool navy;
};

// Checks a character format as the reader of the document would resolve it.
void ExpectLooks(const QTextDocument& document, const QTextCharFormat& format, Looks looks,
                 const char* where) {
  const QFont font = format.font().resolve(document.defaultFont());
  EXPECT_EQ(font.family(), "Arial") << where;
  EXPECT_EQ(font.pointSizeF(), 12.0) << where;
  EXPECT_EQ(font.bold(), looks.bold) << where;
  EXPECT_FALSE(font.italic()) << where;
  EXPECT_FALSE(font.underline()) << where;
  EXPECT_FALSE(font.strikeOut()) << where;
  if (looks.navy) {
    EXPECT_EQ(format.foreground().color(), QColor(0, 0, 128)) << where;
  } else {
    EXPECT_FALSE(format.hasProperty(QTextFormat::ForegroundBrush)) << where << ": automatic colour";
  }
}

void ExpectReport(const ReportBuffer& buffer, const ReportFields& fields) {
  const QTextDocument& document = buffer.Document();
  const QStringList expected = ExpectedLines(fields);
  ASSERT_EQ(document.blockCount(), 15) << "14 lines and the empty line after the last line end";
  QTextBlock block = document.firstBlock();
  for (int line = 0; line < 14; ++line, block = block.next()) {
    EXPECT_EQ(block.text(), expected[line]) << "line " << line + 1;
    const Looks looks{.bold = line == 0, .navy = line == 0};
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      ExpectLooks(document, it.fragment().charFormat(), looks, "text");
    }
    ExpectLooks(document, block.next().charFormat(), looks, "line end");
  }
  EXPECT_TRUE(block.text().isEmpty()) << "nothing after the last line end";
  EXPECT_EQ(buffer.Length(), document.toPlainText().size() + 14);
}

class BuildReportSamples : public ::testing::TestWithParam<FieldSample> {};

TEST_P(BuildReportSamples, HoldsTheFourteenLinesInTheirFormats) {
  ReportBuffer buffer;
  BuildReport(buffer, GetParam().fields);
  ExpectReport(buffer, GetParam().fields);
}

TEST_P(BuildReportSamples, LeavesNothingOfAnEarlierReport) {
  ReportBuffer buffer;
  BuildReport(buffer, {"9", "8", "7", "6", "5", "4"});
  BuildReport(buffer, GetParam().fields);
  ExpectReport(buffer, GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Fields, BuildReportSamples, ::testing::ValuesIn(testing::FieldSamples()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BuildReport, AFieldBeyondTheCapacityIsALineInsertionError) {
  ReportBuffer buffer;
  ReportFields fields = testing::TypicalFields();
  fields.contractorTotal = QString(ReportBuffer::kDefaultCapacity, u'1');
  try {
    BuildReport(buffer, fields);
    FAIL() << "no error";
  } catch (const ExportError& error) {
    EXPECT_STREQ(error.what(), "RichEdit line insertion error");
  }
  const QStringList kept = buffer.Document().toPlainText().split(u'\n');
  EXPECT_EQ(kept.mid(0, 7), ExpectedLines(fields).mid(0, 7)) << "the lines before stay";
}

}  // namespace
}  // namespace report
