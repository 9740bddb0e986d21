// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// CheckAward: the award check of one tender and one bid, in exact integer
// arithmetic, each figure rounded once at the end. From the base amount A,
// the discount P (per cent), the contractor's total C, the safety costs S and
// the labour costs L not subject to the discount, and the discount's
// decimals N that the tender admits:
//
//   X  = A − S − L                      subject to the discount
//   I  = X·(1 − P/100) + S + L          contract amount, to the cent, halves up
//   P* = (1 − (C − S − L)/X)·100        implied discount, N + 3 places, halves away from zero
//   C − I                               C first to the cent, halves up
//   outcome: the first that holds of C to the cent = I (concordant),
//            P* rounded to N places, halves away from zero, = P (rounding),
//            P* truncated to N places = P (truncation), else discrepancy
//   g  = 10 + max(0, min(P, 20) − 10) + 2·max(0, P − 20) per cent of I,
//        or 5 per cent below the EU threshold; the amount to the cent, halves up
//
// Worked example: A 1.000.000, P 12,345, C 880.253,50, S 30.000 give
// X 970.000,00, I 880.253,50, P* 12,345000, concordant, g 12,345 %, 108.667,29.

#include <optional>
#include <string>
#include <vector>

#include "award/award_inputs.h"
#include "award/decimal.h"
#include "award/input_reading.h"

namespace award {

enum class Outcome {
  Concordant,          // the contractor's total is the contract amount
  DiscountRounding,    // explained by the discount rounded to N places
  DiscountTruncation,  // explained by the discount truncated to N places
  Discrepancy,         // explained by neither
};

struct AwardResult {
  Decimal subjectAmount;            // X, to the cent
  Decimal contractAmount;           // I, to the cent
  Decimal impliedDiscount;          // P*, N + 3 places
  Decimal contractorMinusContract;  // C − I, to the cent
  Outcome outcome = Outcome::Discrepancy;
  int discountDecimals = 3;                    // N
  bool discountHasMoreDecimals = false;        // P is not a multiple of 10^-N
  Decimal guaranteeRate;                       // g, with the places P was typed with
  Decimal guaranteeAmount;                     // to the cent
  std::optional<std::string> amountInWords;    // I in words; nothing above 999.999.999.999,99
  std::vector<OverPreciseAmount> overPrecise;  // the amounts read with more than two decimals
};

// Raises AwardError when an input is refused (ReadAwardInputs), N is outside
// 0..kMostDiscountDecimals, P exceeds 100, or X is not above zero.
AwardResult CheckAward(const AwardInputs& inputs, char separator);

}  // namespace award
