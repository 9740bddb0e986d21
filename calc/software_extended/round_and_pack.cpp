// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Rounding to nearest, ties to even, to a binary format's precision and range,
// and packing the rounded value into the 80-bit layout or into a double.
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include <cassert>

#include "calc/bit_cast.h"
#include "calc/software_extended/round_and_pack.h"
#include "calc/software_extended/unpacked.h"

namespace calc::soft_extended {

namespace {

struct RoundedBits {
  std::uint64_t kept;  // the kept bits, the dropped ones cleared; 0 on carry out
  bool carryOut;       // the rounding carried past the top bit
  bool inexact;
};

// Rounds bits at the place 2^dropped of its high word (0 <= dropped < 64):
// the bits below that place, the low word included, are compared with half
// of that place; a tie goes to the even neighbour.
RoundedBits RoundAt(Uint128 bits, int dropped) {
  const std::uint64_t place = std::uint64_t{1} << dropped;
  const Uint128 remainder{bits.high & (place - 1), bits.low};
  const Uint128 half = dropped == 0 ? Uint128{0, std::uint64_t{1} << 63} : Uint128{place >> 1, 0};
  const std::uint64_t kept = bits.high & ~(place - 1);
  const bool odd = (kept & place) != 0;
  const bool up = remainder > half || (remainder == half && odd);
  const std::uint64_t rounded = up ? kept + place : kept;
  return {rounded, up && rounded == 0, remainder != Uint128{}};
}

}  // namespace

Exact ExactFromScaled(bool negative, std::uint64_t significand, int scale) {
  assert(significand != 0);
  const int shift = std::countl_zero(significand);
  return {negative, scale + 63 - shift, {significand << shift, 0}};
}

Rounded Round(const Exact& value, Format format, Flags& flags) {
  assert((value.bits.high >> 63) == 1);
  const int dropped = 64 - format.precision;

  // 1. Tininess after rounding: below the normal range, unless rounding at
  //    the format's precision with an unbounded exponent reaches 2^minExponent.
  const bool tiny = value.exponent < format.minExponent &&
                    !(value.exponent == format.minExponent - 1 && RoundAt(value.bits, dropped).carryOut);

  // 2. Below the normal range the last place is that of minExponent: shift
  //    the bits down to it, jamming what falls out.
  int exponent = value.exponent;
  Uint128 bits = value.bits;
  if (exponent < format.minExponent) {
    bits = ShiftRightJamming(bits, format.minExponent - exponent);
    exponent = format.minExponent;
  }

  // 3. Round at the last place; a carry past the top bit moves to the next
  //    binade (only a full significand can carry out, giving exactly 2^63).
  const RoundedBits rounded = RoundAt(bits, dropped);
  Rounded result{value.negative, false, exponent, rounded.kept};
  if (rounded.carryOut) {
    result.significand = std::uint64_t{1} << 63;
    result.exponent += 1;
  }

  // 4. Flags, and overflow to an infinity.
  if (rounded.inexact) flags |= kInexact;
  if (tiny && rounded.inexact) flags |= kUnderflow;
  if (result.exponent > format.maxExponent) {
    flags |= kOverflow | kInexact;
    result.infinite = true;
  }
  return result;
}

Float80 PackExtended(const Rounded& value) {
  if (value.infinite) return SignedInfinity(value.negative);
  const bool normal = (value.significand >> 63) != 0;
  const int field = normal ? value.exponent + kExponentBias : 0;
  return {value.significand, static_cast<std::uint16_t>((value.negative ? 0x8000 : 0) | field)};
}

double PackDouble(const Rounded& value) {
  std::uint64_t bits = value.negative ? std::uint64_t{1} << 63 : 0;
  if (value.infinite) {
    bits |= std::uint64_t{0x7FF} << 52;
  } else {
    const bool normal = (value.significand >> 63) != 0;
    const std::uint64_t field = normal ? static_cast<std::uint64_t>(value.exponent + 1023) : 0;
    bits |= (field << 52) | ((value.significand >> 11) & ((std::uint64_t{1} << 52) - 1));
  }
  return BitCast<double>(bits);
}

}  // namespace calc::soft_extended

#endif  // DISCORDANZA_SOFT_EXTENDED
