// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/results.h"

namespace form {

bool AnyInputEmpty(std::string_view baseAmount, std::string_view discount, std::string_view contractorTotal) {
  return baseAmount.empty() || discount.empty() || contractorTotal.empty();
}

std::optional<calc::DiscrepancyTexts> ComputeResults(std::string_view baseAmount, std::string_view discount,
                                                     std::string_view contractorTotal, char separator) {
  if (AnyInputEmpty(baseAmount, discount, contractorTotal)) return std::nullopt;
  return calc::ComputeTexts(baseAmount, discount, contractorTotal, separator);
}

}  // namespace form
