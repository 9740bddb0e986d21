// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "form/results.h"

#include <gtest/gtest.h>

#include "calc/calc_error.h"

namespace {

struct EmptyRow {
  const char* name;
  const char* baseAmount;
  const char* discount;
  const char* contractorTotal;
};

// Each empty input stops the computation, even beside texts that would fail
// to read or divide by zero.
const EmptyRow kEmptyRows[] = {
    {"base amount empty", "", "10", "0"},
    {"discount empty", "x", "", "9"},
    {"contractor's total empty", "1000", "10", ""},
    {"all empty", "", "", ""},
};

TEST(ComputeResults, NothingWhileAnInputIsEmpty) {
  for (const EmptyRow& row : kEmptyRows) {
    EXPECT_EQ(form::ComputeResults(row.baseAmount, row.discount, row.contractorTotal, ','), std::nullopt)
        << row.name;
  }
}

TEST(ComputeResults, ThreeTextsCompute) {
  const std::optional<calc::DiscrepancyTexts> texts = form::ComputeResults("250000", "12,5", "220000", ',');
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->computedTotal, "218750");
  EXPECT_EQ(texts->difference, "1250");
  EXPECT_EQ(texts->discrepancy, "0,568181818181818");
}

// Spaces are characters: the text is read, and holds no amount.
TEST(ComputeResults, ATextOfSpacesIsReadAndFails) {
  EXPECT_THROW(form::ComputeResults("1000", "  ", "9", ','), calc::CalcError);
}

}  // namespace
