// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The report in the buffer: its fourteen lines and every line's format, for
// each group of field texts, and nothing left of an earlier report.
#include "report/build_report.h"

#include <gtest/gtest.h>

#include "report/export_error.h"
#include "tests/report/report_samples.h"

namespace report {
namespace {

using testing::ExpectedLines;
using testing::FieldSample;

void ExpectReport(const ReportBuffer& buffer, const ReportFields& fields) {
  EXPECT_EQ(buffer.DefaultFace(), "Arial");
  EXPECT_EQ(buffer.DefaultSize(), 12);
  const std::vector<std::string> expected = ExpectedLines(fields);
  ASSERT_EQ(buffer.Lines().size(), 14u);
  const CharacterFormat title{.colour = Rgb{.red = 0, .green = 0, .blue = 128}, .style = {.bold = true}};
  for (std::size_t line = 0; line < 14; ++line) {
    EXPECT_EQ(buffer.Lines()[line].text, expected[line]) << "line " << line + 1;
    EXPECT_EQ(buffer.Lines()[line].format, line == 0 ? title : CharacterFormat{}) << "line " << line + 1;
  }
}

class BuildReportSamples : public ::testing::TestWithParam<FieldSample> {};

TEST_P(BuildReportSamples, HoldsTheFourteenLinesInTheirFormats) {
  ReportBuffer buffer;
  BuildReport(buffer, GetParam().fields);
  ExpectReport(buffer, GetParam().fields);
}

TEST_P(BuildReportSamples, LeavesNothingOfAnEarlierReport) {
  ReportBuffer buffer;
  BuildReport(buffer, testing::Fields("9", "8", "7", "6", "5", "4"));
  BuildReport(buffer, GetParam().fields);
  ExpectReport(buffer, GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Fields, BuildReportSamples, ::testing::ValuesIn(testing::FieldSamples()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BuildReport, AFieldBeyondTheCapacityIsALineInsertionErrorAndKeepsTheLinesBefore) {
  ReportBuffer buffer(1000);
  ReportFields fields = testing::TypicalFields();
  fields.contractorTotal = std::string(1000, '1');
  try {
    BuildReport(buffer, fields);
    FAIL() << "no error";
  } catch (const ExportError& error) {
    EXPECT_STREQ(error.what(), "RichEdit line insertion error");
  }
  const std::vector<std::string> expected = ExpectedLines(fields);
  ASSERT_EQ(buffer.Lines().size(), 7u) << "the lines before the contractor's total stay";
  for (std::size_t line = 0; line < 7; ++line) EXPECT_EQ(buffer.Lines()[line].text, expected[line]);
}

}  // namespace
}  // namespace report
