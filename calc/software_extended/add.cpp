// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Addition and subtraction of two extended values: the exact sum, rounded once.
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include <utility>

#include "calc/software_extended/round_and_pack.h"
#include "calc/software_extended/unpacked.h"

namespace calc::soft_extended {

namespace {

using Kind = Unpacked::Kind;

// Sum of two finite non-zero values, the first one the larger in exponent.
Float80 AddFinite(Unpacked a, Unpacked b, Flags& flags) {
  if (a.exponent < b.exponent) std::swap(a, b);

  // 1. Align b with a. Up to one bit of difference the shifted bits stay
  //    exact in the low word; beyond that at most one bit of cancellation can
  //    occur, so the jammed lowest bit is far below the rounding place.
  const Uint128 larger{a.significand, 0};
  const Uint128 smaller = ShiftRightJamming({b.significand, 0}, a.exponent - b.exponent);

  Exact sum{a.negative, a.exponent, {}};
  if (a.negative == b.negative) {
    // 2. Same signs: add magnitudes; a carry moves the point up one place.
    bool carry = false;
    sum.bits = AddWide(larger, smaller, carry);
    if (carry) {
      sum.bits = ShiftRightJamming(sum.bits, 1);
      sum.bits.high |= std::uint64_t{1} << 63;
      sum.exponent += 1;
    }
  } else {
    // 3. Opposite signs: subtract the smaller magnitude from the larger; the
    //    result takes the larger one's sign, and an exact zero is +0.
    if (larger == smaller) return SignedZero(false);
    if (larger < smaller) {
      sum.bits = SubtractWide(smaller, larger);
      sum.negative = b.negative;
    } else {
      sum.bits = SubtractWide(larger, smaller);
    }
    const int shift = CountLeadingZeros(sum.bits);
    sum.bits = ShiftLeft(sum.bits, shift);
    sum.exponent -= shift;
  }
  // 4. One rounding.
  return RoundAndPack(sum, flags);
}

Float80 AddUnpacked(const Unpacked& a, Unpacked b, bool subtract, Flags& flags) {
  // 1. NaNs and invalid operands, before any sign is changed.
  if (a.IsNaNOrUnsupported() || b.IsNaNOrUnsupported()) return PropagateNaN(a, b, flags);
  if (subtract) b.negative = !b.negative;

  // 2. Infinities: opposite infinities have no sum.
  if (a.kind == Kind::kInfinity && b.kind == Kind::kInfinity && a.negative != b.negative) {
    flags |= kInvalid;
    return kDefaultNaN;
  }
  if (a.kind == Kind::kInfinity) return SignedInfinity(a.negative);
  if (b.kind == Kind::kInfinity) return SignedInfinity(b.negative);

  // 3. Zeros: two zeros give -0 only when both are negative; a zero and a
  //    number give the number (packed anew, so a pseudo-denormal comes out
  //    canonical).
  if (a.kind == Kind::kZero && b.kind == Kind::kZero) return SignedZero(a.negative && b.negative);
  if (a.kind == Kind::kZero) return RoundAndPack({b.negative, b.exponent, {b.significand, 0}}, flags);
  if (b.kind == Kind::kZero) return RoundAndPack({a.negative, a.exponent, {a.significand, 0}}, flags);

  return AddFinite(a, b, flags);
}

}  // namespace

Float80 Add(Float80 a, Float80 b, Flags& flags) { return AddUnpacked(Unpack(a), Unpack(b), false, flags); }

Float80 Subtract(Float80 a, Float80 b, Flags& flags) {
  return AddUnpacked(Unpack(a), Unpack(b), true, flags);
}

}  // namespace calc::soft_extended

#endif  // DISCORDANZA_SOFT_EXTENDED
