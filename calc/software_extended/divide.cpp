// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Division of two extended values: 65 quotient bits by long division and a
// sticky bit for the remainder, rounded once.
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include "calc/software_extended/round_and_pack.h"
#include "calc/software_extended/unpacked.h"

namespace calc::soft_extended {

namespace {

// The quotient of two significands in [2^63, 2^64), scaled into [1, 2):
// 64 bits in the high word, the next bit at the top of the low word and the
// remainder's "not zero" as its lowest bit. Sets halved when the dividend's
// significand was the smaller one (the quotient was below 1 and was doubled).
Uint128 DivideSignificands(std::uint64_t dividend, std::uint64_t divisor, bool& halved) {
  // The running remainder has 65 bits: remainderTop is its bit 64.
  std::uint64_t remainder = dividend;
  bool remainderTop = false;
  halved = dividend < divisor;
  if (halved) {
    remainderTop = (remainder >> 63) != 0;
    remainder <<= 1;
  }
  std::uint64_t quotient = 0;
  bool roundBit = false;
  for (int i = 0; i < 65; ++i) {
    const bool bit = remainderTop || remainder >= divisor;
    if (bit) remainder -= divisor;  // modulo 2^64: exact, the result is below divisor
    if (i < 64) {
      quotient = (quotient << 1) | (bit ? 1 : 0);
    } else {
      roundBit = bit;
    }
    remainderTop = (remainder >> 63) != 0;
    remainder <<= 1;
  }
  const bool sticky = remainderTop || remainder != 0;
  return {quotient, (roundBit ? std::uint64_t{1} << 63 : 0) | (sticky ? 1u : 0u)};
}

}  // namespace

Float80 Divide(Float80 x, Float80 y, Flags& flags) {
  using Kind = Unpacked::Kind;
  const Unpacked a = Unpack(x);
  const Unpacked b = Unpack(y);
  const bool negative = a.negative != b.negative;

  // 1. NaNs and invalid operands.
  if (a.IsNaNOrUnsupported() || b.IsNaNOrUnsupported()) return PropagateNaN(a, b, flags);

  // 2. Infinite or zero operands: ∞/∞ and 0/0 have no value; a finite
  //    non-zero number divided by zero is an infinity and flagged.
  if ((a.kind == Kind::kInfinity && b.kind == Kind::kInfinity) ||
      (a.kind == Kind::kZero && b.kind == Kind::kZero)) {
    flags |= kInvalid;
    return kDefaultNaN;
  }
  if (a.kind == Kind::kInfinity) return SignedInfinity(negative);
  if (b.kind == Kind::kInfinity || a.kind == Kind::kZero) return SignedZero(negative);
  if (b.kind == Kind::kZero) {
    flags |= kDivideByZero;
    return SignedInfinity(negative);
  }

  // 3. Finite non-zero operands: divide the significands, round once.
  bool halved = false;
  const Uint128 quotient = DivideSignificands(a.significand, b.significand, halved);
  return RoundAndPack({negative, a.exponent - b.exponent - (halved ? 1 : 0), quotient}, flags);
}

}  // namespace calc::soft_extended

#endif  // DISCORDANZA_SOFT_EXTENDED
