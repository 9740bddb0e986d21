// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/award_check.h"

#include <algorithm>
#include <string_view>

#include "award/amount_in_words.h"
#include "award/award_error.h"
#include "award/decimal_text.h"

namespace award {
namespace {

Decimal ReadRequired(std::string_view text, char separator, const char* message) {
  std::optional<Decimal> decimal = ReadDecimal(text, separator);
  if (!decimal) throw AwardError(message);
  return std::move(*decimal);
}

Decimal ReadOptional(std::string_view text, char separator, const char* message) {
  if (text.empty()) return {};
  return ReadRequired(text, separator, message);
}

// The guarantee's rate, per cent, at the discount's places: 10 %, plus each
// point of discount above 10 % up to 20 %, plus two for each point above 20 %.
Integer GuaranteeRate(const Decimal& discount, Guarantee guarantee) {
  const Integer& unit = PowerOfTen(discount.places);
  if (guarantee == Guarantee::BelowThreshold) return 5 * unit;
  const Integer ten = 10 * unit, twenty = 20 * unit, zero = 0;
  return ten + std::max(zero, Integer(std::min(discount.units, twenty) - ten)) +
         2 * std::max(zero, Integer(discount.units - twenty));
}

}  // namespace

AwardResult CheckAward(const AwardInputs& inputs, char separator) {
  // 1. The inputs, exactly as typed.
  const Decimal base =
      ReadRequired(inputs.baseAmount, separator, "L'importo a base d'asta non contiene cifre.");
  const Decimal discount =
      ReadRequired(inputs.discount, separator, "La percentuale di ribasso non contiene cifre.");
  const Decimal contractor =
      ReadRequired(inputs.contractorTotal, separator,
                   "L'importo totale dei lavori proposto dall'Impresa non contiene cifre.");
  const Decimal safety =
      ReadOptional(inputs.safetyCosts, separator, "Gli oneri della sicurezza non contengono cifre.");
  const Decimal labour =
      ReadOptional(inputs.labourCosts, separator, "I costi della manodopera non contengono cifre.");
  const int decimals = inputs.discountDecimals;

  // 2. The amounts as integers at one scale (the most places any of them has),
  //    the discount at its own: P = discount / 10^p.
  const int scale = std::max({base.places, contractor.places, safety.places, labour.places});
  const Integer excluded = ScaledUnits(safety, scale) + ScaledUnits(labour, scale);  // S + L
  const Integer subject = ScaledUnits(base, scale) - excluded;                       // X
  const Integer contractorUnits = ScaledUnits(contractor, scale);                    // C
  const Integer hundred = 100 * PowerOfTen(discount.places);                         // 100 %

  // 3. The inputs that give no figures.
  if (decimals < 0 || decimals > kMostDiscountDecimals)
    throw AwardError("I decimali ammessi del ribasso vanno da 0 a 9.");
  if (discount.units > hundred) throw AwardError("La percentuale di ribasso supera il 100 %.");
  if (subject <= 0) {
    throw AwardError(
        "L'importo soggetto a ribasso (base d'asta meno oneri della sicurezza e costi della manodopera) "
        "non è maggiore di zero.");
  }

  // 4. X and I in cents: I·100 = (X·(100 − P) + (S + L)·100) / 10^(scale + p)
  //    with P and 100 at the discount's places.
  AwardResult result;
  result.discountDecimals = decimals;
  const Integer& amountUnit = PowerOfTen(scale);
  result.discountedBase = {RoundQuotient(100 * subject, amountUnit, Rounding::HalfUp), 2};
  result.contractAmount = {RoundQuotient(subject * (hundred - discount.units) + excluded * hundred,
                                         amountUnit * PowerOfTen(discount.places), Rounding::HalfUp),
                           2};

  // 5. The implied discount, P*·10^k = 100·(X − (C − S − L))·10^k / X, at
  //    N + 3 places; at N places, rounded and truncated, for the outcome.
  const Integer impliedNumerator = 100 * (subject - contractorUnits + excluded);
  result.impliedDiscount = {
      RoundQuotient(impliedNumerator * PowerOfTen(decimals + 3), subject, Rounding::HalfAwayFromZero),
      decimals + 3};
  const auto impliedAtDecimalsIsDiscount = [&](Rounding rounding) {
    const Integer implied = RoundQuotient(impliedNumerator * PowerOfTen(decimals), subject, rounding);
    return implied * PowerOfTen(discount.places) == discount.units * PowerOfTen(decimals);
  };

  // 6. The contractor's total against the contract amount, both in cents,
  //    and the outcome: the first that holds.
  const Integer contractorCents = RoundQuotient(100 * contractorUnits, amountUnit, Rounding::HalfUp);
  result.contractorMinusContract = {contractorCents - result.contractAmount.units, 2};
  if (contractorCents == result.contractAmount.units) {
    result.outcome = Outcome::Concordant;
  } else if (impliedAtDecimalsIsDiscount(Rounding::HalfAwayFromZero)) {
    result.outcome = Outcome::DiscountRounding;
  } else if (impliedAtDecimalsIsDiscount(Rounding::TowardZero)) {
    result.outcome = Outcome::DiscountTruncation;
  } else {
    result.outcome = Outcome::Discrepancy;
  }
  result.discountHasMoreDecimals =
      discount.places > decimals && discount.units % PowerOfTen(discount.places - decimals) != 0;

  // 7. The guarantee: its rate is exact at the discount's own places; the
  //    amount, rate·I/100, to the cent.
  result.guaranteePercent = {GuaranteeRate(discount, inputs.guarantee), discount.places};
  result.guaranteeAmount = {
      RoundQuotient(result.guaranteePercent.units * result.contractAmount.units, hundred, Rounding::HalfUp),
      2};

  // 8. The contract amount in words.
  result.amountInWords = AmountInWords(result.contractAmount);
  return result;
}

}  // namespace award
