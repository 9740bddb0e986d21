// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Extended: the working number format of every conversion and of the
// discrepancy arithmetic: binary floating point with a 64-bit significand
// (explicit leading bit) and a 15-bit exponent, every operation rounded to
// nearest, ties to even. The type has plain IEEE value semantics: overflow
// gives an infinity, an invalid operation a NaN, a division of a non-zero
// number by zero an infinity; callers detect those results and raise the
// system's errors themselves, so nothing depends on processor traps.
//
// Where long double is that 80-bit format (x86 with GCC or Clang) it carries
// the value; elsewhere, or when DISCORDANZA_SOFT_EXTENDED is set, a software
// implementation with identical results takes its place.

#include <compare>
#include <cstdint>

#if !defined(DISCORDANZA_SOFT_EXTENDED) && !(defined(__LDBL_MANT_DIG__) && __LDBL_MANT_DIG__ == 64)
#define DISCORDANZA_SOFT_EXTENDED 1
#endif

namespace calc {

class Extended {
 public:
  constexpr Extended() = default;  // +0

  // Exact widening of a double (subnormals, infinities and NaN included).
  static Extended FromDouble(double value);
  // Exact for every 64-bit unsigned integer.
  static Extended FromUint(std::uint64_t value);
  // significand × 2^exponent, exact; the significand is normalised (top bit set)
  // and the value lies in the extended range. Used for the power-of-ten tables.
  static Extended FromParts(std::uint64_t significand, int exponent);

  // Rounded to the nearest double, ties to even: an infinity when the rounded
  // magnitude exceeds the largest finite double, a subnormal or zero below the
  // normal range.
  double ToDouble() const;
  // Rounded to the nearest integer, ties to even.
  Extended RoundToInteger() const;
  // Precondition: an integer in [0, 2^64).
  std::uint64_t ToUint64() const;

  bool IsNaN() const;
  bool IsInfinite() const;
  bool IsZero() const;
  bool IsNegative() const;  // the sign bit; true for -0 too
  Extended Abs() const;

  friend Extended operator+(Extended a, Extended b);
  friend Extended operator-(Extended a, Extended b);
  friend Extended operator*(Extended a, Extended b);
  friend Extended operator/(Extended a, Extended b);
  friend bool operator==(Extended a, Extended b);
  friend std::partial_ordering operator<=>(Extended a, Extended b);

 private:
#ifdef DISCORDANZA_SOFT_EXTENDED
  std::uint64_t significand_ = 0;   // explicit leading bit
  std::uint16_t signExponent_ = 0;  // sign bit, then the 15-bit biased exponent
#else
  explicit constexpr Extended(long double value) : value_(value) {}
  long double value_ = 0.0L;
#endif
};

}  // namespace calc
