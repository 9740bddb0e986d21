// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The six fields of the discrepancy form, by role: three inputs the user
// types, three results the form computes. The results keep one order
// everywhere (the window's rows, the report, the companion's output): the
// computed total, the difference, the discrepancy percentage.

#include <array>
#include <cstddef>

namespace form {

enum class Input {
  BaseAmount,       // "Importo a base d'asta"
  Discount,         // "Percentuale di ribasso aggiudicatrice", in percent
  ContractorTotal,  // "Importo totale dei lavori proposto dall'Impresa"
};

enum class Result {
  ComputedTotal,  // the total that follows from the base amount and the discount
  Difference,     // the contractor's total minus the computed total
  Discrepancy,    // the difference in percent of the contractor's total
};

inline constexpr std::array kInputs{Input::BaseAmount, Input::Discount, Input::ContractorTotal};
inline constexpr std::array kResults{Result::ComputedTotal, Result::Difference, Result::Discrepancy};

// A field's position in kInputs or kResults, for tables kept in their order.
constexpr std::size_t IndexOf(Input input) { return static_cast<std::size_t>(input); }
constexpr std::size_t IndexOf(Result result) { return static_cast<std::size_t>(result); }

}  // namespace form
