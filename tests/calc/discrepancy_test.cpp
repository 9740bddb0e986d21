// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/discrepancy.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "calc/calc_error.h"

namespace {

using calc::CalcError;
using calc::ComputeTexts;
using calc::ErrorKind;

struct WorkedExample {
  std::string name;
  std::string base;
  std::string discount;
  std::string contractorTotal;
  std::string computedTotal;
  std::string difference;
  std::string discrepancy;
};

TEST(ComputeTexts, WorkedExamples) {
  const WorkedExample rows[] = {
      {"SmallFigures", "1000", "10", "9", "900", "-891", "-9900"},
      {"FractionalDiscount", "250000", "12,5", "220000", "218750", "1250", "0,568181818181818"},
      // These two depend on the unrounded extended product A × R: with every
      // intermediate rounded to double the computed totals would read
      // 83028,1499999999 and 61071,9.
      {"ExtendedProduct97", "2767605", "97", "5738745", "83028,1500000001", "5655716,85", "98,5532002206057"},
      {"ExtendedProduct94", "1017865", "94", "5194350", "61071,9000000001", "5133278,1", "98,8242629010367"},
      {"FullDiscount", "1000", "100", "500", "0", "500", "100"},
      {"DiscountAboveHundred", "1000", "150", "500", "-500", "1000", "200"},
      {"TinyDiscountUnderflowsSilently", "1000", "0," + std::string(319, '0') + "1", "7", "1000", "-993",
       "-14185,7142857143"},
  };
  for (const WorkedExample& row : rows) {
    const calc::DiscrepancyTexts texts = ComputeTexts(row.base, row.discount, row.contractorTotal, ',');
    EXPECT_EQ(texts.computedTotal, row.computedTotal) << row.name;
    EXPECT_EQ(texts.difference, row.difference) << row.name;
    EXPECT_EQ(texts.discrepancy, row.discrepancy) << row.name;
  }
}

struct FailingRow {
  std::string name;
  std::string base;
  std::string discount;
  std::string contractorTotal;
  ErrorKind kind;
  std::string message;
};

void PrintTo(const FailingRow& row, std::ostream* out) { *out << row.name; }

class FailingComputation : public testing::TestWithParam<FailingRow> {};

TEST_P(FailingComputation, RaisesTheFirstFault) {
  const FailingRow& row = GetParam();
  try {
    ComputeTexts(row.base, row.discount, row.contractorTotal, ',');
    FAIL() << "no error raised";
  } catch (const CalcError& error) {
    EXPECT_EQ(error.kind(), row.kind);
    EXPECT_EQ(std::string(error.what()), row.message);
  }
}

const std::string kHugeKept = "1" + std::string(4933, '0');

INSTANTIATE_TEST_SUITE_P(
    Table, FailingComputation,
    testing::Values(
        FailingRow{"ZeroTotal", "1000", "10", "0", ErrorKind::DivisionByZero,
                   "Floating point division by zero"},
        FailingRow{"ZeroTotalAsSeparator", "1000", "10", ",", ErrorKind::DivisionByZero,
                   "Floating point division by zero"},
        FailingRow{"AllZero", "0", "0", "0", ErrorKind::InvalidOperation, "Invalid floating point operation"},
        FailingRow{"ZeroTotalFullDiscount", "1000", "100", "0,0", ErrorKind::InvalidOperation,
                   "Invalid floating point operation"},
        FailingRow{"ComputedTotalOverflows", "1" + std::string(308, '0'), "1" + std::string(308, '0'), "5",
                   ErrorKind::Overflow, "Floating point overflow"},
        FailingRow{"DifferenceOverflows", "1" + std::string(308, '0'), "250", "1" + std::string(308, '0'),
                   ErrorKind::Overflow, "Floating point overflow"},
        FailingRow{"DiscrepancyOverflows", "1000", "0", "0," + std::string(304, '0') + "1",
                   ErrorKind::Overflow, "Floating point overflow"},
        FailingRow{"InputBeyondDouble", "1" + std::string(309, '0'), "10", "9", ErrorKind::Overflow,
                   "Floating point overflow"},
        FailingRow{"LettersInBase", "abc", "10", "9", ErrorKind::Conversion,
                   "'' is not a valid floating point value"},
        FailingRow{"FirstRejectedTextReported", "5", kHugeKept, "abc", ErrorKind::Conversion,
                   "'" + kHugeKept + "' is not a valid floating point value"},
        FailingRow{"BaseBeforeDiscount", "x" + kHugeKept, "abc", "abc", ErrorKind::Conversion,
                   "'" + kHugeKept + "' is not a valid floating point value"},
        FailingRow{"TotalLast", "5", "5", "-", ErrorKind::Conversion,
                   "'' is not a valid floating point value"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
