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

// numerator / denominator, for a positive denominator, rounded to an integer.
Integer RoundQuotient(const Integer& numerator, const Integer& denominator, Rounding rounding);

// 10^exponent, for an exponent of 0 or more.
const Integer& PowerOfTen(int exponent);

// The units of `decimal` at `places` places (at least decimal.places): exact.
Integer ScaledUnits(const Decimal& decimal, int places);

}  // namespace award
