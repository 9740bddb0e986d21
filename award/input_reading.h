// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// ReadInputs: the award check's five texts as exact decimals, each by its
// field's rule, and the amounts that were read with more than two decimals,
// which a person most likely meant otherwise. A, P and C come from the main
// fields, where a typed point becomes the decimal separator, and are read
// leniently (digits and the first separator); S and L are read as written,
// thousands marks checked. Any "-" is an error: a sign is never dropped.
//   A "250,000" (typed "250.000" under ",")  → 250 with 3 places, and a warning
//   S "30.000,00"                            → 30000,00
//   S "30.5"                                 → AwardError: how to write it
//   C "-880253,50"                           → AwardError: negative

#include <string_view>
#include <vector>

#include "award/award_inputs.h"
#include "award/decimal.h"

namespace award {

// An amount read with more than two decimals: whose, and as what.
struct OverPreciseAmount {
  std::string_view label;    // "Importo a base d'asta"
  std::string_view readAs;   // "letto come" or, for a plural subject, "letti come"
  bool typedPointIsDecimal;  // a main field, where a typed point is the separator
  Decimal amount;
};

struct ReadInputs {
  Decimal base, discount, contractor, safety, labour;
  std::vector<OverPreciseAmount> overPrecise;  // in the order of the fields
};

// Raises AwardError, with its Italian line, when a required text keeps no
// digit, S or L is not empty and keeps none, S or L is misgrouped, or a text
// holds "-".
ReadInputs ReadAwardInputs(const AwardInputs& inputs, char separator);

}  // namespace award
