// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Conversions between the extended format and integers: from an unsigned
// 64-bit integer, from a significand and a power of two, and back to an
// unsigned 64-bit integer.
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include <cassert>

#include "calc/software_extended/round_and_pack.h"
#include "calc/software_extended/unpacked.h"

namespace calc::soft_extended {

Float80 FromUint(std::uint64_t value) {
  if (value == 0) return SignedZero(false);
  Flags exact = 0;  // a 64-bit integer always fits the 64-bit significand
  return RoundAndPack(ExactFromScaled(false, value, 0), exact);
}

Float80 FromParts(std::uint64_t significand, int exponent, Flags& flags) {
  assert(significand != 0);
  return RoundAndPack(ExactFromScaled(false, significand, exponent), flags);
}

std::uint64_t ToUint64(Float80 value) {
  const Unpacked x = Unpack(value);
  if (x.kind == Unpacked::Kind::kZero) return 0;
  // An integer below 2^64 has its leading bit at 2^0 .. 2^63.
  assert(x.kind == Unpacked::Kind::kFinite && !x.negative && x.exponent >= 0 && x.exponent <= 63);
  assert(x.exponent == 63 || (x.significand << (x.exponent + 1)) == 0);
  return x.significand >> (63 - x.exponent);
}

}  // namespace calc::soft_extended

#endif  // DISCORDANZA_SOFT_EXTENDED
