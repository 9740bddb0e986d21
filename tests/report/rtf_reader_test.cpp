// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The lines that rtf-text prints: a report's fourteen lines for every group
// of field texts, and a refusal, saying why, of every document whose lines
// would not be its text.
#include "tests/report/rtf_reader.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "report/report_rtf.h"
#include "tests/report/report_samples.h"

namespace report::testing {
namespace {

TEST(ParagraphLines, AreTheReportsLines) {
  for (const FieldSample& sample : FieldSamples()) {
    std::string expected;
    for (const std::string& line : ExpectedLines(sample.fields)) expected += line + '\n';
    EXPECT_EQ(ParagraphLines(ReportRtf(sample.fields)), expected) << sample.name;
  }
  EXPECT_EQ(ParagraphLines("{\\rtf1}"), "");
  EXPECT_EQ(ParagraphLines("{\\rtf1\\par\\par}"), "\n\n");
}

TEST(ParagraphLines, RefuseWhatTheLinesWouldNotShow) {
  const struct {
    const char* rtf;
    const char* why;
  } cases[] = {
      {"{\\rtf1 a\\par", "the groups do not close: depth 1"},
      {"{\\rtf1 a\\par}}", "the groups do not close: depth -1"},
      {"{\\rtf1\\sect a\\par}", "does not know: \\sect"},
      {"{\\rtf1 a\\par}\\", "does not know: \\"},
      {"{\\rtf1 a\\par b}", "text after the last \\par"},
      {"{\\rtf1 a\\par a\\u13?b\\par}", "paragraph 2 holds a line break"},
      {"{\\rtf1 a\\'0ab\\par}", "paragraph 1 holds a line break"},
      {"{\\rtf1 \\u-10179?\\par}", "paragraph 1: a lone surrogate"},
      {"{\\rtf1 \\u-8704?\\u-10179?\\par}", "paragraph 1: a lone surrogate"},
  };
  for (const auto& c : cases) {
    try {
      ParagraphLines(c.rtf);
      ADD_FAILURE() << c.rtf << " read";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(c.why), std::string::npos) << c.rtf << ": " << error.what();
    }
  }
}

}  // namespace
}  // namespace report::testing
