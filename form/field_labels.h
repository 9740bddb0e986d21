// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The fields' labels, as the user reads them wherever the fields appear: the
// window's labels (which add a ":"), the page's, the companion's output lines
// and the titles of its CSV columns. UTF-8, without the colon.
//   InputLabel(Input::BaseAmount)     → "Importo a base d'asta"
//   ResultLabel(Result::Difference)   → "Importo Impresa meno importo calcolato"

#include <string_view>

#include "award/award_inputs.h"
#include "form/fields.h"

namespace form {

// The inputs are labelled as the award check labels them.
inline constexpr std::string_view kInputLabels[] = {
    award::kBaseAmountLabel,
    award::kDiscountLabel,
    award::kContractorTotalLabel,
};

inline constexpr std::string_view kResultLabels[] = {
    "Importo totale dei lavori calcolato",
    "Importo Impresa meno importo calcolato",
    "Percentuale di discordanza",
};

constexpr std::string_view InputLabel(Input input) { return kInputLabels[IndexOf(input)]; }
constexpr std::string_view ResultLabel(Result result) { return kResultLabels[IndexOf(result)]; }

}  // namespace form
