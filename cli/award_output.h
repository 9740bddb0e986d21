// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The award check as the companion writes it: the lines of the direct mode
// and the columns that --csv --award appends to each row, both in the order
// of the figures' table (award/award_figures.h). Amounts carry the decimal
// separator and no thousands marks, for the programs that read them.
//   Importo soggetto a ribasso: 970000,00
//   ...
//   Garanzia definitiva: 12,345 % dell'importo contrattuale, 108667,29

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "award/award_answer.h"
#include "award/award_figures.h"
#include "award/award_inputs.h"
#include "cli/arguments.h"

namespace cli {

// The tender's inputs from the award options; the three amounts are the
// row's or the command line's.
award::AwardInputs AwardInputsOf(const AwardOptions& options, std::string_view baseAmount,
                                 std::string_view discount, std::string_view contractorTotal);

// The direct mode's lines, each ending in LF: every figure a line shows,
// "Nota: ..." only when the discount has more decimals than the tender
// admits.
std::string AwardLines(const award::AwardTexts& texts);

// The columns appended to each CSV row: the figures a column shows, then
// the check's message. Their titles, and their cells: all empty while an
// amount of the row is empty (as the main results), the message alone when
// the check gives no figures.
inline constexpr std::size_t kAwardColumns =
    static_cast<std::size_t>(std::count_if(award::kFigures.begin(), award::kFigures.end(), award::IsColumn)) +
    1;
extern const std::array<std::string_view, kAwardColumns> kAwardColumnTitles;
std::array<std::string_view, kAwardColumns> AwardCells(const award::AwardAnswer& answer);

}  // namespace cli
