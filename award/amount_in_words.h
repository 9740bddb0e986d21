// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AmountInWords: an amount in euro, to the cent, in Italian words as a
// contract writes it: the whole euros as one word, then "/" and the two
// digits of the cents. Tens drop their final vowel before "uno" and "otto",
// "cento" drops its "o" before "otto" and "ottanta", a final "uno" before
// "mila", "milioni" or "miliardi" becomes "un", a compound ending in "tre"
// ends in "tré", and nothing joins the groups.
//
//   21,00         -> "ventuno/00"
//   880.253,50    -> "ottocentottantamiladuecentocinquantatré/50"
//   1.000.003,00  -> "unmilionetré/00"

#include <optional>
#include <string>

#include "award/decimal.h"

namespace award {

// The largest amount written in words: 999.999.999.999,99.
extern const Decimal kLargestAmountInWords;

// `amount` has two places. Nothing when it is negative or above
// kLargestAmountInWords.
std::optional<std::string> AmountInWords(const Decimal& amount);

}  // namespace award
