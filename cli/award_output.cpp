// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/award_output.h"

namespace cli {

const std::array<std::string_view, kAwardColumns> kAwardColumnTitles = [] {
  std::array<std::string_view, kAwardColumns> titles;
  auto title = titles.begin();
  for (const award::FigureRow& row : award::kFigures) {
    if (award::IsColumn(row)) *title++ = row.label;
  }
  *title = "Errore della verifica";
  return titles;
}();

award::AwardInputs AwardInputsOf(const AwardOptions& options, std::string_view baseAmount,
                                 std::string_view discount, std::string_view contractorTotal) {
  return {.baseAmount = std::string(baseAmount),
          .discount = std::string(discount),
          .contractorTotal = std::string(contractorTotal),
          .safetyCosts = options.safetyCosts,
          .labourCosts = options.labourCosts,
          .discountDecimals = options.discountDecimals,
          .guaranteeKind =
              options.belowThreshold ? award::GuaranteeKind::BelowThreshold : award::GuaranteeKind::Ordinary};
}

std::string AwardLines(const award::AwardTexts& texts) {
  std::string lines;
  for (const award::FigureRow& row : award::kFigures) {
    if (award::HasLine(texts, row))
      lines.append(row.label).append(": ").append(award::TextWithUnit(texts, row)) += '\n';
  }
  return lines;
}

std::array<std::string_view, kAwardColumns> AwardCells(const award::AwardAnswer& answer) {
  std::array<std::string_view, kAwardColumns> cells{};
  if (answer.texts) {
    auto cell = cells.begin();
    for (const award::FigureRow& row : award::kFigures) {
      if (award::IsColumn(row)) *cell++ = (*answer.texts)[row.figure];
    }
  }
  cells.back() = answer.error;
  return cells;
}

}  // namespace cli
