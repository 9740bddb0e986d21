// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The RTF of a report: the exact bytes of a typical one against the committed
// golden file, what a reader finds in reports of every group of field texts,
// and a writer that stops taking bytes.
#include "report/rtf_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "report/build_report.h"
#include "report/report_rtf.h"
#include "tests/report/report_samples.h"
#include "tests/report/rtf_reader.h"

namespace report {
namespace {

using testing::ExpectedLines;
using testing::FieldSample;
using testing::ReadFormat;
using testing::Utf16;

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
  std::ifstream golden(REPORT_GOLDEN_DIR "/typical_report.rtf", std::ios::binary);
  ASSERT_TRUE(golden) << REPORT_GOLDEN_DIR "/typical_report.rtf";
  const std::string expected{std::istreambuf_iterator<char>(golden), std::istreambuf_iterator<char>()};
  EXPECT_EQ(ReportRtf(testing::TypicalFields()), expected);
}

class RtfWriterSamples : public ::testing::TestWithParam<FieldSample> {};

TEST_P(RtfWriterSamples, AReaderFindsTheFourteenLinesInTheirFormats) {
  const std::string rtf = ReportRtf(GetParam().fields);
  for (const char byte : rtf) ASSERT_LT(static_cast<unsigned char>(byte), 0x80) << "RTF is 7-bit text";
  ASSERT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
  const testing::ReadDocument document = testing::ReadRtf(rtf);
  EXPECT_TRUE(document.unknown.empty());
  EXPECT_EQ(document.groupDepthAtEnd, 0);
  EXPECT_EQ(document.fonts, std::vector<std::string>{"Arial"});
  ASSERT_EQ(document.colours.size(), 2u);
  EXPECT_FALSE(document.colours[0]) << "colour 0 is the automatic colour";
  EXPECT_EQ(document.colours[1], (Rgb{.red = 0, .green = 0, .blue = 128}));

  const std::vector<std::string> expected = ExpectedLines(GetParam().fields);
  ASSERT_EQ(document.paragraphs.size(), 14u);
  for (int line = 0; line < 14; ++line) {
    const testing::ReadParagraph& paragraph = document.paragraphs[line];
    EXPECT_EQ(paragraph.text, Utf16(expected[line])) << "line " << line + 1;
    const ReadFormat looks = line == 0 ? ReadFormat{.colour = 1, .bold = true} : ReadFormat{};
    for (std::size_t i = 0; i < paragraph.formats.size(); ++i) {
      ASSERT_EQ(paragraph.formats[i], looks) << "line " << line + 1 << ", character " << i;
    }
  }
  EXPECT_TRUE(document.trailing.empty());
}

INSTANTIATE_TEST_SUITE_P(Fields, RtfWriterSamples, ::testing::ValuesIn(testing::FieldSamples()),
                         [](const auto& info) { return std::string(info.param.name); });

// What the round trip cannot tell: which escape each character took.
TEST(RtfWriter, WritesEachCharacterWithItsEscape) {
  const std::string rtf = ReportRtf(testing::Fields("\\{}", "\u00e8", "\u20ac", "\u6570", "x", "\U0001F600"));
  EXPECT_NE(rtf.find(":\\tab\\tab\\tab\\tab\\tab\\\\\\{\\}\\par"), std::string::npos);
  EXPECT_NE(rtf.find(":\\tab\\tab\\tab\\'e8 %\\par"), std::string::npos);
  EXPECT_NE(rtf.find(":\\tab\\tab\\tab\\'80\\par"), std::string::npos);
  EXPECT_NE(rtf.find(":\\tab\\tab\\tab\\u25968?\\par"), std::string::npos);
  EXPECT_NE(rtf.find(":\\tab\\tab\\tab\\tab\\u-10179?\\u-8704? %\\par"), std::string::npos);
  EXPECT_NE(rtf.find("\\uc1"), std::string::npos);
}

// A writer that takes at most `limit` bytes in all, and records the pieces
// it was handed.
struct LimitedWriter {
  std::size_t limit = 0;
  std::string taken{};
  std::vector<std::size_t> pieces{};

  RtfPieceWriter AsWriter() {
    return [this](std::string_view piece) {
      pieces.push_back(piece.size());
      const std::size_t n = std::min(piece.size(), limit - taken.size());
      taken.append(piece.substr(0, n));
      return n == piece.size();
    };
  }
};

TEST(RtfWriter, HandsTheDocumentOverPieceByPiece) {
  const std::string whole = ReportRtf(testing::TypicalFields());
  ReportBuffer buffer;
  BuildReport(buffer, testing::TypicalFields());
  LimitedWriter writer{.limit = whole.size()};
  ASSERT_TRUE(WriteRtf(buffer, writer.AsWriter()));
  EXPECT_EQ(writer.taken, whole);
  EXPECT_EQ(writer.pieces.size(), 16u) << "the header, 14 paragraphs, the closing brace";
}

TEST(RtfWriter, StopsAtTheFirstPieceTheWriterDoesNotTakeWhole) {
  ReportBuffer buffer;
  BuildReport(buffer, testing::TypicalFields());
  LimitedWriter full{.limit = std::size_t{1} << 20};
  ASSERT_TRUE(WriteRtf(buffer, full.AsWriter()));
  const std::string& whole = full.taken;
  for (const std::size_t limit : {std::size_t{0}, std::size_t{1}, whole.size() / 2, whole.size() - 1}) {
    // The piece that crosses the limit is the last one handed over.
    std::size_t crossing = 0;
    for (std::size_t end = full.pieces[0]; end <= limit; end += full.pieces[++crossing]) {
    }
    LimitedWriter writer{.limit = limit};
    EXPECT_FALSE(WriteRtf(buffer, writer.AsWriter())) << "limit " << limit;
    EXPECT_EQ(writer.taken, whole.substr(0, limit));
    EXPECT_EQ(writer.pieces.size(), crossing + 1) << "limit " << limit;
  }
}

}  // namespace
}  // namespace report
