// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The three results of three input texts, by the rule every edition keeps:
// nothing is computed while an input is empty (no characters at all), so a
// half-filled form or a CSV row with an empty cell shows no results and
// raises no error. A text of spaces is not empty: it is read, and fails.
//   "250000", "12,5", "220000" → {"218750", "1250", "0,568181818181818"}
//   "250000", "",     "220000" → nothing
// The award check follows the same rule on the same three texts.

#include <optional>
#include <string_view>

#include "calc/discrepancy.h"

namespace form {

// Whether one of the three input texts has no characters at all.
bool AnyInputEmpty(std::string_view baseAmount, std::string_view discount, std::string_view contractorTotal);

// Nothing when an input is empty; otherwise calc::ComputeTexts of the three
// texts, raising its calc::CalcError when they do not compute.
std::optional<calc::DiscrepancyTexts> ComputeResults(std::string_view baseAmount, std::string_view discount,
                                                     std::string_view contractorTotal, char separator);

}  // namespace form
