// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AnswerAward: the award check as every edition asks it, in one call that
// never throws: the figures' texts, or the check's Italian line on why the
// inputs give none, or nothing at all while A, P or C has no characters (a
// half-filled form and a CSV row with an empty cell compute nothing and say
// nothing, as the main form's results do).
//   A "1000000", P "12,345", C "880253,50", S "30000" → texts, "970.000,00" ...
//   A "1000",    P "10",     C "900",       S "1000"  → error "L'importo soggetto a ribasso ..."
//   A "",        ...                                  → neither

#include <optional>
#include <string>

#include "award/award_figures.h"
#include "award/award_inputs.h"

namespace award {

// How amounts are written: grouped by thousands where a person reads them
// (the window, the page, the report: "880.253,50" under ","), plain where a
// program does (the companion: "880253,50").
enum class Digits { Grouped, Plain };

struct AwardAnswer {
  std::optional<AwardTexts> texts;  // the figures, when the check gives them
  std::string error;                // why it gives none; empty while an input is missing
  bool operator==(const AwardAnswer&) const = default;
};

AwardAnswer AnswerAward(const AwardInputs& inputs, char separator, Digits digits);

// Whether A, P or C has no characters at all, when nothing is computed.
bool AnyMainInputEmpty(const AwardInputs& inputs);

}  // namespace award
