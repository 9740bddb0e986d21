// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Decimal: an exact decimal number, units × 10^-places, as an amount field
// holds it or as a figure of the award check is shown. The award check works
// on integers scaled to a common number of places (Boost.Multiprecision's
// cpp_int, unbounded); a figure that needs a division becomes an integer
// once, through RoundQuotient, the check's one rounding routine. Nothing
// passes through binary floating point.

#include <boost/multiprecision/cpp_int.hpp>

namespace award {

using Integer = boost::multiprecision::cpp_int;

struct Decimal {
  Integer units;   // the digits, without the decimal separator
  int places = 0;  // how many of them follow the separator; never negative
};

enum class Rounding {
  HalfUp,            // to the nearest, a half towards +infinity (amounts in euro)
  HalfAwayFromZero,  // to the nearest, a half away from zero (the implied discount)
  TowardZero,        // truncation
};

// The fixed-width integers of the common cases, many times faster than
// Integer: every operation checks for overflow and raises
// std::overflow_error, on which the award check starts again on the next
// wider one. Ordinary amounts and discounts fit 64 bits throughout.
using SmallInteger = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<
    64, 64, boost::multiprecision::signed_magnitude, boost::multiprecision::checked, void>>;
using FastInteger = boost::multiprecision::checked_int128_t;

// numerator / denominator, for a positive denominator, rounded to an integer.
template <class Int>
Int RoundQuotient(const Int& numerator, const Int& denominator, Rounding rounding) {
  Int quotient, remainder;
  boost::multiprecision::divide_qr(numerator, denominator, quotient, remainder);  // truncated
  if (rounding == Rounding::TowardZero || remainder == 0) return quotient;
  // The remainder has the numerator's sign; twice its size against the
  // denominator tells below, at or above the half.
  const Int twice = 2 * abs(remainder);
  if (numerator > 0) {
    if (twice >= denominator) ++quotient;
  } else if (twice > denominator || (twice == denominator && rounding == Rounding::HalfAwayFromZero)) {
    --quotient;
  }
  return quotient;
}

// 10^exponent, for an exponent of 0 or more; as a SmallInteger up to 10^18
// and as a FastInteger up to 10^38, raising std::overflow_error beyond.
template <class Int>
const Int& PowerOfTen(int exponent);
template <>
const Integer& PowerOfTen<Integer>(int exponent);
template <>
const SmallInteger& PowerOfTen<SmallInteger>(int exponent);
template <>
const FastInteger& PowerOfTen<FastInteger>(int exponent);

}  // namespace award
