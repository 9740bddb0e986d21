// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/results.h"

namespace form {

std::optional<calc::DiscrepancyTexts> ComputeResults(std::string_view baseAmount, std::string_view discount,
                                                     std::string_view contractorTotal, char separator) {
  if (baseAmount.empty() || discount.empty() || contractorTotal.empty()) return std::nullopt;
  return calc::ComputeTexts(baseAmount, discount, contractorTotal, separator);
}

}  // namespace form
