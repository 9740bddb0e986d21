// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/first_line.h"

#include <gtest/gtest.h>

namespace {

TEST(FirstLineTest, KeepsWhatStandsBeforeTheFirstLineBreak) {
  const struct {
    const char* pasted;
    const char* kept;
  } rows[] = {
      {"1.234,5", "1.234,5"},
      {"1.234,5\r\n", "1.234,5"},
      {"12\n34", "12"},
      {"12\r34", "12"},
      {"\n5", ""},
      {"", ""},
      {"a b\tc", "a b\tc"},
  };
  for (const auto& row : rows) EXPECT_EQ(form::FirstLine(row.pasted), row.kept) << row.pasted;
}

}  // namespace
