// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/award_check.h"

#include <cassert>
#include <string_view>

#include "award/amount_in_words.h"
#include "award/award_error.h"
#include "award/decimal_text.h"

namespace award {
namespace {

Decimal ReadRequired(std::string_view text, char separator, const char* message) {
  const std::optional<Decimal> decimal = ReadDecimal(text, separator);
  if (!decimal) throw AwardError(message);
  return *decimal;
}

Decimal ReadOptional(std::string_view text, char separator, const char* message) {
  if (text.empty()) return {};
  return ReadRequired(text, separator, message);
}

const Rational& Min(const Rational& a, const Rational& b) { return b < a ? b : a; }
const Rational& Max(const Rational& a, const Rational& b) { return b > a ? b : a; }

// The guarantee's rate, per cent: 10 %, plus each point of discount above
// 10 % up to 20 %, plus two for each point above 20 %.
Rational GuaranteeRate(const Rational& discount, Guarantee guarantee) {
  if (guarantee == Guarantee::BelowThreshold) return 5;
  const Rational zero = 0, ten = 10, twenty = 20;
  return ten + Max(zero, Min(discount, twenty) - ten) + 2 * Max(zero, discount - twenty);
}

Outcome Judge(const Decimal& contractorCents, const Decimal& contractAmount, const Rational& impliedDiscount,
              const Rational& discount, int decimals) {
  if (contractorCents.units == contractAmount.units) return Outcome::Concordant;
  if (ToRational(Round(impliedDiscount, decimals, Rounding::HalfAwayFromZero)) == discount)
    return Outcome::DiscountRounding;
  if (ToRational(Round(impliedDiscount, decimals, Rounding::TowardZero)) == discount)
    return Outcome::DiscountTruncation;
  return Outcome::Discrepancy;
}

}  // namespace

AwardResult CheckAward(const AwardInputs& inputs, char separator) {
  // 1. The inputs, exactly as typed.
  const Rational base =
      ToRational(ReadRequired(inputs.baseAmount, separator, "L'importo a base d'asta non contiene cifre."));
  const Decimal typedDiscount =
      ReadRequired(inputs.discount, separator, "La percentuale di ribasso non contiene cifre.");
  const Rational discount = ToRational(typedDiscount);
  const Rational contractorTotal =
      ToRational(ReadRequired(inputs.contractorTotal, separator,
                              "L'importo totale dei lavori proposto dall'Impresa non contiene cifre."));
  const Rational excluded = ToRational(ReadOptional(inputs.safetyCosts, separator,
                                                    "Gli oneri della sicurezza non contengono cifre.")) +
                            ToRational(ReadOptional(inputs.labourCosts, separator,
                                                    "I costi della manodopera non contengono cifre."));
  const int decimals = inputs.discountDecimals;

  // 2. The inputs that give no figures.
  if (decimals < 0 || decimals > kMostDiscountDecimals)
    throw AwardError("I decimali ammessi del ribasso vanno da 0 a 9.");
  if (discount > 100) throw AwardError("La percentuale di ribasso supera il 100 %.");
  const Rational subject = base - excluded;
  if (subject <= 0) {
    throw AwardError(
        "L'importo soggetto a ribasso (base d'asta meno oneri della sicurezza e costi della manodopera) "
        "non è maggiore di zero.");
  }

  // 3. The contract amount and the contractor's implied discount.
  AwardResult result;
  result.discountDecimals = decimals;
  result.discountedBase = Round(subject, 2, Rounding::HalfUp);
  result.contractAmount = Round(subject * (1 - discount / 100) + excluded, 2, Rounding::HalfUp);
  const Rational impliedDiscount = (1 - (contractorTotal - excluded) / subject) * 100;
  result.impliedDiscount = Round(impliedDiscount, decimals + 3, Rounding::HalfAwayFromZero);

  // 4. The contractor's total against the contract amount, both in cents.
  const Decimal contractorCents = Round(contractorTotal, 2, Rounding::HalfUp);
  result.contractorMinusContract = {.units = contractorCents.units - result.contractAmount.units,
                                    .places = 2};
  result.outcome = Judge(contractorCents, result.contractAmount, impliedDiscount, discount, decimals);
  result.discountHasMoreDecimals = ToRational(Round(discount, decimals, Rounding::TowardZero)) != discount;

  // 5. The guarantee: its rate has no more places than the discount, so it
  //    shows exactly with the discount's own places.
  const Rational rate = GuaranteeRate(discount, inputs.guarantee);
  result.guaranteePercent = Round(rate, typedDiscount.places, Rounding::TowardZero);
  assert(ToRational(result.guaranteePercent) == rate);
  result.guaranteeAmount = Round(rate / 100 * ToRational(result.contractAmount), 2, Rounding::HalfUp);

  // 6. The contract amount in words.
  result.amountInWords = AmountInWords(result.contractAmount);
  return result;
}

}  // namespace award
