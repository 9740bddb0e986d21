// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The award check as the companion writes it: the lines of the direct mode
// and the columns that --csv --award appends to each row. Amounts carry the
// decimal separator and no thousands marks, for the programs that read them.
//   Importo soggetto a ribasso: 970000,00
//   ...
//   Garanzia definitiva: 12,345 % dell'importo contrattuale, 108667,29

#include <array>
#include <string>
#include <string_view>

#include "award/award_check.h"
#include "award/award_texts.h"
#include "cli/arguments.h"

namespace cli {

// The tender's inputs from the award options; the three amounts are the
// row's or the command line's.
award::AwardInputs AwardInputsOf(const AwardOptions& options, std::string_view baseAmount,
                                 std::string_view discount, std::string_view contractorTotal);

// The direct mode's lines, each ending in LF; "Nota: ..." after the outcome
// when the discount has more decimals than the tender admits.
std::string AwardLines(const award::AwardTexts& texts);

// The columns appended to each CSV row, their titles, and their cells: all
// empty while an amount of the row is empty (as the main results), the
// check's message alone in the last when it gives no figures.
inline constexpr std::size_t kAwardColumns = 10;
extern const std::array<std::string_view, kAwardColumns> kAwardColumnTitles;

struct AwardRow {
  award::AwardTexts texts;
  std::string error;
  bool failed() const { return !error.empty(); }
  std::array<std::string_view, kAwardColumns> Cells() const;
};

AwardRow ComputeAwardRow(const award::AwardInputs& inputs, char separator);

}  // namespace cli
