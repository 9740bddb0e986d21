// The RTF of a report: the exact bytes of a typical one against the committed
// golden file, what a reader finds in reports of every group of field texts,
// and a stream that stops taking bytes.
#include "report/rtf_writer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "report/build_report.h"
#include "report_samples.h"
#include "rtf_reader.h"

namespace report {
namespace {

using testing::ExpectedLines;
using testing::FieldSample;
using testing::ReadFormat;
using testing::ReportRtf;

// golden/typical_report.rtf was written by this writer and then checked by
// hand against the RTF items a report must carry (header with \ansicpg1252,
// Arial as the only font, navy as colour 1 used by the title alone, \fs24,
// \b on the title only, \tab, fourteen \par), and by converting it headless
// with a real word processor: to ODT (fourteen paragraphs, all text in Arial
// 12 pt, the title bold in #000080, the tabs as tabs), to plain text (the
// fourteen lines byte for byte) and to PDF (looked at as a picture). A report
// with a euro sign, an e grave, CJK text and emoji went through the same
// conversions with every character intact.
TEST(RtfWriter, TypicalReportMatchesTheGoldenFile) {
  QFile golden(REPORT_GOLDEN_DIR "/typical_report.rtf");
  ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << golden.fileName().toStdString();
  EXPECT_EQ(ReportRtf(testing::TypicalFields()).toStdString(), golden.readAll().toStdString());
}

class RtfWriterSamples : public ::testing::TestWithParam<FieldSample> {};

TEST_P(RtfWriterSamples, AReaderFindsTheFourteenLinesInTheirFormats) {
  const QByteArray rtf = ReportRtf(GetParam().fields);
  for (const char byte : rtf) {
    ASSERT_LT(static_cast<unsigned char>(byte), 0x80) << "RTF is 7-bit text";
  }
  ASSERT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
  const testing::ReadDocument document = testing::ReadRtf(rtf);
  EXPECT_TRUE(document.unknown.empty());
  EXPECT_EQ(document.groupDepthAtEnd, 0);
  EXPECT_EQ(document.fonts, QStringList{"Arial"});
  ASSERT_EQ(document.colours.size(), 2u);
  EXPECT_FALSE(document.colours[0]) << "colour 0 is the automatic colour";
  EXPECT_EQ(document.colours[1], qRgb(0, 0, 128));

  const QStringList expected = ExpectedLines(GetParam().fields);
  ASSERT_EQ(document.paragraphs.size(), 14u);
  for (int line = 0; line < 14; ++line) {
    const testing::ReadParagraph& paragraph = document.paragraphs[line];
    EXPECT_EQ(paragraph.text, expected[line]) << "line " << line + 1;
    const ReadFormat looks = line == 0 ? ReadFormat{.colour = 1, .bold = true} : ReadFormat{};
    for (std::size_t i = 0; i < paragraph.formats.size(); ++i) {
      ASSERT_EQ(paragraph.formats[i], looks) << "line " << line + 1 << ", character " << i;
    }
  }
  EXPECT_TRUE(document.trailing.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Fields, RtfWriterSamples, ::testing::ValuesIn(testing::FieldSamples()),
                         [](const auto& info) { return std::string(info.param.name); });

// What the round trip cannot tell: which escape each character took.
TEST(RtfWriter, WritesEachCharacterWithItsEscape) {
  const QByteArray rtf = ReportRtf({"\\{}", QString::fromUtf16(u"\u00e8"), QString::fromUtf16(u"\u20ac"),
                                    QString::fromUtf16(u"\u6570"), QString::fromUtf16(u"\U0001F600"), "x"});
  EXPECT_TRUE(rtf.contains(":\\tab\\tab\\tab\\tab\\tab\\\\\\{\\}\\par"));
  EXPECT_TRUE(rtf.contains(":\\tab\\tab\\tab\\'e8 %\\par"));
  EXPECT_TRUE(rtf.contains(":\\tab\\tab\\tab\\'80\\par"));
  EXPECT_TRUE(rtf.contains(":\\tab\\tab\\tab\\u25968?\\par"));
  EXPECT_TRUE(rtf.contains(":\\tab\\tab\\tab\\tab\\u-10179?\\u-8704? %\\par"));
  EXPECT_TRUE(rtf.contains("\\uc1"));
}

TEST(RtfWriter, SameFieldsGiveTheSameBytes) {
  ReportBuffer buffer;
  BuildReport(buffer, testing::TypicalFields());
  QBuffer first;
  first.open(QIODevice::WriteOnly);
  ASSERT_TRUE(WriteRtf(buffer.Document(), first));
  BuildReport(buffer, testing::TypicalFields());
  QBuffer second;
  second.open(QIODevice::WriteOnly);
  ASSERT_TRUE(WriteRtf(buffer.Document(), second));
  EXPECT_EQ(first.data(), second.data());
}

// Takes at most `limit` bytes in all, and records the pieces it was handed.
class LimitedDevice : public QIODevice {
 public:
  explicit LimitedDevice(qint64 limit) : limit_(limit) { open(QIODevice::WriteOnly); }
  QByteArray taken;
  std::vector<qint64> pieces;

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    pieces.push_back(size);
    const qint64 room = limit_ - taken.size();
    if (room <= 0) {
      return -1;
    }
    const qint64 n = std::min(size, room);
    taken.append(data, n);
    return n;
  }

 private:
  qint64 limit_;
};

TEST(RtfWriter, HandsTheDocumentOverPieceByPiece) {
  const QByteArray whole = ReportRtf(testing::TypicalFields());
  ReportBuffer buffer;
  BuildReport(buffer, testing::TypicalFields());
  LimitedDevice device(whole.size());
  ASSERT_TRUE(WriteRtf(buffer.Document(), device));
  EXPECT_EQ(device.taken, whole);
  EXPECT_EQ(device.pieces.size(), 16u) << "the header, 14 paragraphs, the closing brace";
}

TEST(RtfWriter, StopsAtTheFirstPieceTheStreamDoesNotTakeWhole) {
  ReportBuffer buffer;
  BuildReport(buffer, testing::TypicalFields());
  LimitedDevice full(1 << 20);
  ASSERT_TRUE(WriteRtf(buffer.Document(), full));
  const QByteArray& whole = full.taken;
  for (const qint64 limit : {qint64{0}, qint64{1}, whole.size() / 2, whole.size() - 1}) {
    // The piece that crosses the limit is the last one handed over.
    std::size_t crossing = 0;
    for (qint64 end = full.pieces[0]; end <= limit; end += full.pieces[++crossing]) {
    }
    LimitedDevice device(limit);
    EXPECT_FALSE(WriteRtf(buffer.Document(), device)) << "limit " << limit;
    EXPECT_EQ(device.taken, whole.left(limit));
    EXPECT_EQ(device.pieces.size(), crossing + 1) << "limit " << limit;
  }
}

}  // namespace
}  // namespace report
