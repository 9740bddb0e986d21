// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The software extended arithmetic: the 80-bit format of the x87 unit (sign,
// 15-bit exponent biased by 16383, 64-bit significand with an explicit leading
// bit) computed with integer operations only, so that every machine gets the
// bits that an x87 at 64-bit precision, rounding to nearest, ties to even,
// gives. Results are bit-identical to that unit's, NaNs included, and each
// operation reports the exception conditions the unit would flag (with every
// exception masked) in a flag set the caller passes in.

#include <compare>
#include <cstdint>

namespace calc::soft_extended {

// One value in the 80-bit layout. The exponent field is 0 for zeros and
// subnormals (leading bit clear) and 0x7FFF for infinities and NaNs.
struct Float80 {
  std::uint64_t significand = 0;
  std::uint16_t signExponent = 0;
};

// The exception conditions, as bits of a Flags value; operations only add bits.
using Flags = unsigned;
inline constexpr Flags kInvalid = 1;
inline constexpr Flags kDivideByZero = 2;
inline constexpr Flags kOverflow = 4;
inline constexpr Flags kUnderflow = 8;
inline constexpr Flags kInexact = 16;

// Operands may be any bit pattern: pseudo-denormals (exponent field 0 with the
// leading bit set) count at their value; unnormals, pseudo-infinities and
// pseudo-NaNs (non-zero exponent field, leading bit clear) are invalid
// operands, as on the x87 since the 80387. Results are always canonical.
Float80 Add(Float80 a, Float80 b, Flags& flags);
Float80 Subtract(Float80 a, Float80 b, Flags& flags);
Float80 Multiply(Float80 a, Float80 b, Flags& flags);
Float80 Divide(Float80 a, Float80 b, Flags& flags);

// Exact, except that a signalling NaN is quieted (and flagged invalid).
Float80 FromDouble(double value, Flags& flags);
// Rounded once to double precision and range, ties to even.
double ToDouble(Float80 value, Flags& flags);
// Exact.
Float80 FromUint(std::uint64_t value);
// significand × 2^exponent for a non-zero significand, rounded to the format
// (exact whenever the value lies in the normal range).
Float80 FromParts(std::uint64_t significand, int exponent, Flags& flags);
// Precondition: an integer in [0, 2^64).
std::uint64_t ToUint64(Float80 value);
// Rounded to an integer, ties to even; the sign of a zero result is kept.
Float80 RoundToInteger(Float80 value, Flags& flags);

// Unordered when either operand is a NaN or an invalid operand; -0 == +0.
std::partial_ordering Compare(Float80 a, Float80 b);

}  // namespace calc::soft_extended
