// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Decimal: an exact decimal number, units × 10^-places, as an amount field
// holds it or as a figure of the award check is shown. The award check works
// on integers scaled to a common number of places; a figure that needs a
// division becomes an integer once, through RoundQuotient, the check's one
// rounding routine. Nothing passes through binary floating point. Internal
// to the award check: the editions see texts (award_answer.h).

#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <boost/safe_numerics/safe_integer.hpp>
#include <cassert>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace award {

// The unbounded integer (Boost.Multiprecision), which holds any figure.
using Integer = boost::multiprecision::cpp_int;

// The machine's signed 64-bit integer under Boost.SafeNumerics, which
// raises std::system_error where an operation would overflow: ordinary
// tenders fit it throughout, and the check starts again on Integer when
// one does not.
using Int64 = boost::safe_numerics::safe<std::int64_t>;

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
template <class Int>
Int RoundQuotient(const Int& numerator, const Int& denominator, Rounding rounding) {
  // The truncated quotient, and the remainder from a product, which is no
  // larger than the numerator, rather than from a second division.
  Int quotient = numerator / denominator;
  const Int remainder = numerator - quotient * denominator;
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

// 10^exponent, for an exponent of 0 or more; as an Int64 up to 10^18,
// raising std::overflow_error beyond.
template <class Int>
const Int& PowerOfTen(int exponent);
template <>
const Integer& PowerOfTen<Integer>(int exponent);

// The powers of ten of 64 bits, a constant table: every figure of a bid
// asks for several.
inline constexpr int kLargestInt64Power = 18;  // the largest below 2^63
inline constexpr std::array<Int64, kLargestInt64Power + 1> kInt64PowersOfTen = [] {
  std::array<Int64, kLargestInt64Power + 1> powers{};
  std::int64_t power = 1;
  for (Int64& entry : powers) {
    entry = power;
    if (power <= std::numeric_limits<std::int64_t>::max() / 10) power *= 10;
  }
  return powers;
}();
template <>
inline const Int64& PowerOfTen<Int64>(int exponent) {
  assert(exponent >= 0);
  if (exponent > kLargestInt64Power) throw std::overflow_error("10^exponent beyond 63 bits");
  return kInt64PowersOfTen[static_cast<std::size_t>(exponent)];
}

}  // namespace award
