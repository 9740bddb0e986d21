// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/award_check.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "award/amount_in_words.h"
#include "award/award_error.h"
#include "award/input_reading.h"

namespace award {
namespace {

// Whether every input's units fit 63 bits, where Int64 starts.
bool FitsInt64(const ReadInputs& exact) {
  for (const Decimal* decimal :
       {&exact.base, &exact.discount, &exact.contractor, &exact.safety, &exact.labour}) {
    if (decimal->units > std::numeric_limits<std::int64_t>::max()) return false;
  }
  return true;
}

// A decimal's units on the integer Compute works on, and back.
template <class Int>
Int UnitsAs(const Decimal& decimal);
template <>
Integer UnitsAs<Integer>(const Decimal& decimal) {
  return decimal.units;
}
template <>
Int64 UnitsAs<Int64>(const Decimal& decimal) {
  return decimal.units.convert_to<std::int64_t>();
}
Decimal Figure(const Integer& units, int places) { return {.units = units, .places = places}; }
Decimal Figure(const Int64& units, int places) {
  return {.units = static_cast<std::int64_t>(units), .places = places};
}

// The units of `decimal` at `places` places (at least decimal.places).
template <class Int>
Int Scaled(const Decimal& decimal, int places) {
  return UnitsAs<Int>(decimal) * PowerOfTen<Int>(places - decimal.places);
}

// The guarantee's rate, per cent, at the discount's places: 10 %, plus each
// point of discount above 10 % up to 20 %, plus two for each point above 20 %.
template <class Int>
Int GuaranteeRate(const Int& discount, int places, GuaranteeKind kind) {
  const Int& unit = PowerOfTen<Int>(places);
  if (kind == GuaranteeKind::BelowThreshold) return 5 * unit;
  const Int ten = 10 * unit, twenty = 20 * unit, zero = 0;
  return ten + std::max(zero, Int(std::min(discount, twenty) - ten)) +
         2 * std::max(zero, Int(discount - twenty));
}

// Every figure but the words, on Int: Int64 raises an exception when an
// intermediate leaves 64 bits, Integer never does.
template <class Int>
AwardResult Compute(const ReadInputs& exact, int decimals, GuaranteeKind guaranteeKind) {
  // 1. The amounts as integers at one scale (the most places any of them
  //    has), the discount P at its own places p.
  const int scale =
      std::max({exact.base.places, exact.contractor.places, exact.safety.places, exact.labour.places});
  const int p = exact.discount.places;
  const Int excluded = Scaled<Int>(exact.safety, scale) + Scaled<Int>(exact.labour, scale);  // S + L
  const Int subject = Scaled<Int>(exact.base, scale) - excluded;                             // X
  const Int contractor = Scaled<Int>(exact.contractor, scale);                               // C
  const Int discount = UnitsAs<Int>(exact.discount);                                         // P·10^p
  const Int hundred = 100 * PowerOfTen<Int>(p);                                              // 100 %

  // 2. The inputs that give no figures.
  if (discount > hundred) throw AwardError("La percentuale di ribasso supera il 100 %.");
  if (subject <= 0) {
    throw AwardError(
        "L'importo soggetto a ribasso (base d'asta meno oneri della sicurezza e costi della manodopera) "
        "non è maggiore di zero.");
  }

  // 3. X and I in cents: I·100 = (X·(100 − P) + (S + L)·100) / 10^(scale + p).
  AwardResult result;
  result.discountDecimals = decimals;
  const Int& amountUnit = PowerOfTen<Int>(scale);
  const Int contractAmount = RoundQuotient<Int>(subject * (hundred - discount) + excluded * hundred,
                                                amountUnit * PowerOfTen<Int>(p), Rounding::HalfUp);
  result.subjectAmount = Figure(RoundQuotient<Int>(100 * subject, amountUnit, Rounding::HalfUp), 2);
  result.contractAmount = Figure(contractAmount, 2);

  // 4. The implied discount, P*·10^k = 100·(X − (C − S − L))·10^k / X, at
  //    N + 3 places; at N places, rounded and truncated, for the outcome.
  const Int impliedNumerator = 100 * (subject - contractor + excluded);
  result.impliedDiscount = Figure(RoundQuotient<Int>(impliedNumerator * PowerOfTen<Int>(decimals + 3),
                                                     subject, Rounding::HalfAwayFromZero),
                                  decimals + 3);
  const auto impliedAtDecimalsIsDiscount = [&](Rounding rounding) {
    const Int implied = RoundQuotient<Int>(impliedNumerator * PowerOfTen<Int>(decimals), subject, rounding);
    return implied * PowerOfTen<Int>(p) == discount * PowerOfTen<Int>(decimals);
  };

  // 5. The contractor's total against the contract amount, both in cents,
  //    and the outcome: the first that holds.
  const Int contractorCents = RoundQuotient<Int>(100 * contractor, amountUnit, Rounding::HalfUp);
  result.contractorMinusContract = Figure(Int(contractorCents - contractAmount), 2);
  if (contractorCents == contractAmount) {
    result.outcome = Outcome::Concordant;
  } else if (impliedAtDecimalsIsDiscount(Rounding::HalfAwayFromZero)) {
    result.outcome = Outcome::DiscountRounding;
  } else if (impliedAtDecimalsIsDiscount(Rounding::TowardZero)) {
    result.outcome = Outcome::DiscountTruncation;
  } else {
    result.outcome = Outcome::Discrepancy;
  }
  result.discountHasMoreDecimals = p > decimals && discount % PowerOfTen<Int>(p - decimals) != 0;

  // 6. The guarantee: its rate is exact at the discount's own places; the
  //    amount, rate·I/100, to the cent.
  const Int rate = GuaranteeRate<Int>(discount, p, guaranteeKind);
  result.guaranteeRate = Figure(rate, p);
  result.guaranteeAmount = Figure(RoundQuotient<Int>(rate * contractAmount, hundred, Rounding::HalfUp), 2);
  return result;
}

// Compute on 64 bits where every intermediate fits, else on the unbounded
// integer; both give the same exact figures.
AwardResult ComputeOnNarrowest(const ReadInputs& exact, int decimals, GuaranteeKind guaranteeKind) {
  if (FitsInt64(exact)) {
    try {
      return Compute<Int64>(exact, decimals, guaranteeKind);
    } catch (const std::system_error&) {    // Boost.SafeNumerics' overflow
    } catch (const std::overflow_error&) {  // PowerOfTen's
    }
  }
  return Compute<Integer>(exact, decimals, guaranteeKind);
}

}  // namespace

AwardResult CheckAward(const AwardInputs& inputs, char separator) {
  // 1. The inputs, exactly as typed.
  ReadInputs exact = ReadAwardInputs(inputs, separator);
  if (inputs.discountDecimals < 0 || inputs.discountDecimals > kMostDiscountDecimals)
    throw AwardError("I decimali ammessi del ribasso vanno da 0 a 9.");

  // 2. The figures.
  AwardResult result = ComputeOnNarrowest(exact, inputs.discountDecimals, inputs.guaranteeKind);

  // 3. The contract amount in words, and the amounts read with more than
  //    two decimals.
  result.amountInWords = AmountInWords(result.contractAmount);
  result.overPrecise = std::move(exact.overPrecise);
  return result;
}

}  // namespace award
