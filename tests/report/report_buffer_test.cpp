// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The report buffer: lengths in UTF-16 units with two-character line ends,
// the default and insertion formats, clearing, and the lines it refuses: one
// beyond its capacity, or one holding a line break.
#include "report/report_buffer.h"

#include <gtest/gtest.h>

#include <ostream>

#include "report/export_error.h"

namespace report {
namespace {

TEST(ReportBuffer, CountsUtf16UnitsAndEveryLineEndAsTwoCharacters) {
  ReportBuffer buffer;
  EXPECT_EQ(buffer.Length(), 0u);
  buffer.AppendLine("abc");
  EXPECT_EQ(buffer.Length(), 5u);
  buffer.AppendLine("");
  EXPECT_EQ(buffer.Length(), 7u);
  buffer.AppendLine("\u00e8\u20ac\U0001F600");  // one, one and two units
  EXPECT_EQ(buffer.Length(), 13u);
  ASSERT_EQ(buffer.Lines().size(), 3u);
  EXPECT_EQ(buffer.Lines()[2].text, "\u00e8\u20ac\U0001F600");
}

TEST(ReportBuffer, ClearEmptiesAndKeepsTheDefaultFormat) {
  ReportBuffer buffer;
  buffer.SetDefaultFace("Arial");
  buffer.SetDefaultSize(12);
  buffer.AppendLine("old");
  buffer.Clear();
  EXPECT_EQ(buffer.Length(), 0u);
  EXPECT_TRUE(buffer.Lines().empty());
  EXPECT_EQ(buffer.DefaultFace(), "Arial");
  EXPECT_EQ(buffer.DefaultSize(), 12);
}

TEST(ReportBuffer, LinesTakeTheInsertionFormatOfTheirMoment) {
  ReportBuffer buffer;
  const Rgb navy{.red = 0, .green = 0, .blue = 128};
  buffer.SetInsertionColour(navy);
  buffer.SetInsertionStyle({.bold = true, .italic = true});
  buffer.AppendLine("first");
  buffer.SetInsertionColour(std::nullopt);
  buffer.SetInsertionStyle({});
  buffer.AppendLine("second");

  ASSERT_EQ(buffer.Lines().size(), 2u);
  EXPECT_EQ(buffer.Lines()[0].format,
            (CharacterFormat{.colour = navy, .style = {.bold = true, .italic = true}}));
  EXPECT_EQ(buffer.Lines()[1].format, CharacterFormat{});
}

void ExpectLineInsertionError(ReportBuffer& buffer, std::string_view text) {
  try {
    buffer.AppendLine(text);
    ADD_FAILURE() << "no error for a text of " << text.size() << " bytes";
  } catch (const ExportError& error) {
    EXPECT_STREQ(error.what(), "RichEdit line insertion error");
  }
}

struct CapacityRow {
  const char* name;
  std::size_t capacity;
  std::size_t lineLength;
  bool fits;
};

// Names the row in test output.
inline void PrintTo(const CapacityRow& row, std::ostream* os) { *os << row.name; }

class ReportBufferCapacity : public ::testing::TestWithParam<CapacityRow> {};

// After "abc" (5 characters) a line of n characters needs n + 2 more.
TEST_P(ReportBufferCapacity, TakesALineOnlyWhole) {
  const CapacityRow& row = GetParam();
  ReportBuffer buffer(row.capacity);
  buffer.AppendLine("abc");
  const std::string line(row.lineLength, '9');
  if (row.fits) {
    buffer.AppendLine(line);
    EXPECT_EQ(buffer.Length(), 5 + row.lineLength + 2);
  } else {
    ExpectLineInsertionError(buffer, line);
    EXPECT_EQ(buffer.Length(), 5u) << "nothing of the refused line taken";
    ASSERT_EQ(buffer.Lines().size(), 1u);
    EXPECT_EQ(buffer.Lines()[0].text, "abc") << "earlier lines kept";
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

// A line break would open a line of its own and move every later line of the
// report down; the buffer refuses such a text whatever the break.
TEST(ReportBuffer, ALineBreakInsideALineIsAnInsertionError) {
  for (const std::string_view text : {"12\n3", "12\r3", "12\r\n3", "\n", "123\r\n"}) {
    ReportBuffer buffer;
    ExpectLineInsertionError(buffer, text);
    EXPECT_TRUE(buffer.Lines().empty());
  }
}

}  // namespace
}  // namespace report
