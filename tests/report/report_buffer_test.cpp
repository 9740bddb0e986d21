// The report buffer: lengths with two-character line ends, the default and
// insertion formats, clearing, and the capacity that makes a line fail.
#include "report/report_buffer.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <ostream>

#include "report/export_error.h"

namespace report {
namespace {

TEST(ReportBuffer, CountsEveryLineEndAsTwoCharacters) {
  ReportBuffer buffer;
  EXPECT_EQ(buffer.Length(), 0);
  buffer.AppendLine("abc");
  EXPECT_EQ(buffer.Length(), 5);
  buffer.AppendLine("");
  EXPECT_EQ(buffer.Length(), 7);
  EXPECT_EQ(buffer.Document().blockCount(), 3);
  EXPECT_EQ(buffer.Document().toPlainText(), "abc\n\n");
}

TEST(ReportBuffer, ClearEmptiesAndKeepsTheDefaultFormat) {
  ReportBuffer buffer;
  buffer.SetDefaultFace("Arial");
  buffer.SetDefaultSize(12);
  buffer.AppendLine("old");
  buffer.Clear();
  EXPECT_EQ(buffer.Length(), 0);
  EXPECT_TRUE(buffer.Document().isEmpty());
  EXPECT_FALSE(buffer.Document().isModified());
  EXPECT_EQ(buffer.Document().defaultFont().family(), "Arial");
  EXPECT_EQ(buffer.Document().defaultFont().pointSize(), 12);
}

TEST(ReportBuffer, LinesTakeTheInsertionFormatOfTheirMoment) {
  ReportBuffer buffer;
  buffer.SetInsertionColour(QColor(0, 0, 128));
  buffer.SetInsertionStyle({.bold = true, .italic = true});
  buffer.AppendLine("first");
  buffer.SetInsertionColour(std::nullopt);
  buffer.SetInsertionStyle({});
  buffer.AppendLine("second");

  const QTextBlock first = buffer.Document().firstBlock();
  const QTextCharFormat title = first.begin().fragment().charFormat();
  EXPECT_EQ(title.foreground().color(), QColor(0, 0, 128));
  EXPECT_EQ(title.fontWeight(), QFont::Bold);
  EXPECT_TRUE(title.fontItalic());
  EXPECT_EQ(first.next().charFormat(), title) << "the first line end";

  const QTextBlock second = first.next();
  const QTextCharFormat plain = second.begin().fragment().charFormat();
  EXPECT_FALSE(plain.hasProperty(QTextFormat::ForegroundBrush));
  EXPECT_EQ(plain.fontWeight(), QFont::Normal);
  EXPECT_FALSE(plain.fontItalic());
  EXPECT_FALSE(plain.fontUnderline());
  EXPECT_FALSE(plain.fontStrikeOut());
  EXPECT_EQ(second.next().charFormat(), plain) << "the second line end";
}

void ExpectLineInsertionError(ReportBuffer& buffer, const QString& text) {
  try {
    buffer.AppendLine(text);
    ADD_FAILURE() << "no error for " << text.size() << " characters";
  } catch (const ExportError& error) {
    EXPECT_STREQ(error.what(), "RichEdit line insertion error");
  }
}

struct CapacityRow {
  const char* name;
  qsizetype capacity;
  qsizetype lineLength;
  bool fits;
};

// Names the row in test output.
inline void PrintTo(const CapacityRow& row, std::ostream* os) {
  *os << row.name;
}

class ReportBufferCapacity : public ::testing::TestWithParam<CapacityRow> {};

// After "abc" (5 characters) a line of n characters needs n + 2 more.
TEST_P(ReportBufferCapacity, TakesALineOnlyWhole) {
  const CapacityRow& row = GetParam();
  ReportBuffer buffer(row.capacity);
  buffer.AppendLine("abc");
  const QString line(row.lineLength, u'9');
  if (row.fits) {
    buffer.AppendLine(line);
    EXPECT_EQ(buffer.Length(), 5 + row.lineLength + 2);
  } else {
    ExpectLineInsertionError(buffer, line);
    EXPECT_LE(buffer.Length(), row.capacity);
    EXPECT_TRUE(buffer.Document().toPlainText().startsWith("abc\n")) << "earlier lines kept";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ReportBufferCapacity,
    ::testing::Values(CapacityRow{"ExactlyFull", 20, 13, true}, CapacityRow{"LineEndHalfOut", 20, 14, false},
                      CapacityRow{"LineEndOut", 20, 15, false}, CapacityRow{"AlreadyFull", 5, 0, false},
                      CapacityRow{"DefaultCapacityExactlyFull", ReportBuffer::kDefaultCapacity,
                                  ReportBuffer::kDefaultCapacity - 7, true},
                      CapacityRow{"DefaultCapacityOneOver", ReportBuffer::kDefaultCapacity,
                                  ReportBuffer::kDefaultCapacity - 6, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A lone line feed would open a line of its own; the buffer does not take
// such a text as one line.
TEST(ReportBuffer, ALoneLineBreakInsideALineIsAnInsertionError) {
  ReportBuffer buffer;
  ExpectLineInsertionError(buffer, "12\n3");
}

}  // namespace
}  // namespace report
