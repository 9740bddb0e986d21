// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The one rounding routine of the software extended arithmetic. Every result
// that is not exact by construction (a sum, a product, a quotient, a narrowing
// to double, a rounding to an integer) goes through Round with the format it
// is rounded to, and then through the packer of that format.

#include <climits>
#include <cstdint>

#include "calc/software_extended/float80.h"
#include "calc/software_extended/wide_arithmetic.h"

namespace calc::soft_extended {

// A binary format as the rounding sees it: how many significand bits it keeps
// and the exponent range of its normal numbers (value in [2^e, 2^(e+1))).
// Below minExponent the format is subnormal: its last place stays that of
// minExponent.
struct Format {
  int precision;
  int minExponent;
  int maxExponent;
};
inline constexpr Format kExtendedFormat{64, -16382, 16383};
inline constexpr Format kDoubleFormat{53, -1022, 1023};
// Rounding to an integer is rounding to a format whose last place is 2^0
// everywhere below 2^63: a "subnormal" range that covers every fraction.
inline constexpr Format kIntegerFormat{64, 63, INT_MAX};

// A finite, non-zero exact (or jammed) value:
// (bits.high + bits.low / 2^64) × 2^(exponent − 63), with the top bit of
// bits.high set. The low word holds the bits below the 64-bit significand;
// its lowest bit may stand for any non-zero remainder below it.
struct Exact {
  bool negative = false;
  int exponent = 0;
  Uint128 bits;
};

// The exact value significand × 2^scale, for a non-zero significand.
Exact ExactFromScaled(bool negative, std::uint64_t significand, int scale);

// A rounded value: an infinity, or significand × 2^(exponent − 63), where the
// significand's top bit is set, or it is clear only at exponent == minExponent
// (a subnormal or a zero).
struct Rounded {
  bool negative = false;
  bool infinite = false;
  int exponent = 0;
  std::uint64_t significand = 0;
};

// Rounds to nearest, ties to even, to the format's precision and range, once:
// a value below the normal range is rounded at the format's subnormal last
// place. Adds inexact; overflow (and inexact) when the rounded magnitude
// exceeds the format's largest finite value, giving an infinity; underflow
// when the result is tiny and inexact, tininess judged after rounding as the
// x87 judges it (the value rounded to the format's precision with an
// unbounded exponent is below 2^minExponent).
Rounded Round(const Exact& value, Format format, Flags& flags);

Float80 PackExtended(const Rounded& value);
double PackDouble(const Rounded& value);

inline Float80 RoundAndPack(const Exact& value, Flags& flags) {
  return PackExtended(Round(value, kExtendedFormat, flags));
}

inline Float80 SignedZero(bool negative) { return {0, static_cast<std::uint16_t>(negative ? 0x8000 : 0)}; }

inline Float80 SignedInfinity(bool negative) {
  return {std::uint64_t{1} << 63, static_cast<std::uint16_t>(negative ? 0xFFFF : 0x7FFF)};
}

}  // namespace calc::soft_extended
