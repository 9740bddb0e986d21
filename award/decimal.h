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

#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <boost/safe_numerics/safe_integer.hpp>
#include <cassert>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <type_traits>

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
// Integer: every operation checks for overflow, on which the award check
// starts again on the next wider one. SmallInteger is the machine's signed
// 64-bit integer under Boost.SafeNumerics, which raises std::system_error;
// FastInteger, 128 bits of cpp_int, raises std::overflow_error. Ordinary
// amounts and discounts fit 64 bits throughout.
using SmallInteger = boost::safe_numerics::safe<std::int64_t>;
using FastInteger = boost::multiprecision::checked_int128_t;

// numerator / denominator, for a positive denominator, rounded to an integer.
template <class Int>
Int RoundQuotient(const Int& numerator, const Int& denominator, Rounding rounding) {
  Int quotient, remainder;  // truncated
  if constexpr (std::is_same_v<Int, SmallInteger>) {
    // The machine's own division, once: the remainder from a product, which
    // is no larger than the numerator, rather than a second division.
    quotient = numerator / denominator;
    remainder = numerator - quotient * denominator;
  } else {
    boost::multiprecision::divide_qr(numerator, denominator, quotient, remainder);
  }
  if (rounding == Rounding::TowardZero || remainder == 0) return quotient;
  // The remainder has the numerator's sign; twice its size against the
  // denominator tells below, at or above the half.
  const Int twice = 2 * (remainder < 0 ? Int(-remainder) : remainder);
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

// The powers of ten of 64 bits, a constant table: every figure of a bid
// asks for several.
inline constexpr int kLargestSmallPower = 18;  // the largest below 2^63
inline constexpr std::array<SmallInteger, kLargestSmallPower + 1> kSmallPowersOfTen = [] {
  std::array<SmallInteger, kLargestSmallPower + 1> powers{};
  std::int64_t power = 1;
  for (SmallInteger& entry : powers) {
    entry = power;
    if (power <= std::numeric_limits<std::int64_t>::max() / 10) power *= 10;
  }
  return powers;
}();
template <>
inline const SmallInteger& PowerOfTen<SmallInteger>(int exponent) {
  assert(exponent >= 0);
  if (exponent > kLargestSmallPower) throw std::overflow_error("10^exponent beyond 63 bits");
  return kSmallPowersOfTen[static_cast<std::size_t>(exponent)];
}
template <>
const FastInteger& PowerOfTen<FastInteger>(int exponent);

}  // namespace award
