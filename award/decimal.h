// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Decimal: an exact decimal number, units × 10^-places, as an amount field
// holds it or as a figure of the award check is shown. Every figure is
// computed as an exact rational and becomes a Decimal once, through Round, the
// one rounding routine of the award check; nothing passes through binary
// floating point.

#include <boost/multiprecision/cpp_int.hpp>

namespace award {

using Integer = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

struct Decimal {
  Integer units;   // the digits, without the decimal separator
  int places = 0;  // how many of them follow the separator; never negative
};

enum class Rounding {
  HalfUp,            // to the nearest, a half towards +infinity (amounts in euro)
  HalfAwayFromZero,  // to the nearest, a half away from zero (the implied discount)
  TowardZero,        // truncation: the digits beyond `places` dropped
};

// The exact value: 12,345 (units 12345, places 3) is 2469/200.
Rational ToRational(const Decimal& decimal);

// `value` to `places` decimals (0 or more) by `rounding`.
Decimal Round(const Rational& value, int places, Rounding rounding);

}  // namespace award
