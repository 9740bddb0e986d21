// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Multiplication of two extended values: the exact 128-bit product, rounded once.
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include "calc/software_extended/round_and_pack.h"
#include "calc/software_extended/unpacked.h"

namespace calc::soft_extended {

Float80 Multiply(Float80 x, Float80 y, Flags& flags) {
  using Kind = Unpacked::Kind;
  const Unpacked a = Unpack(x);
  const Unpacked b = Unpack(y);
  const bool negative = a.negative != b.negative;

  // 1. NaNs and invalid operands.
  if (a.IsNaNOrUnsupported() || b.IsNaNOrUnsupported()) return PropagateNaN(a, b, flags);

  // 2. Infinities: an infinity times zero has no value.
  if (a.kind == Kind::kInfinity || b.kind == Kind::kInfinity) {
    if (a.kind == Kind::kZero || b.kind == Kind::kZero) {
      flags |= kInvalid;
      return kDefaultNaN;
    }
    return SignedInfinity(negative);
  }

  // 3. Zeros.
  if (a.kind == Kind::kZero || b.kind == Kind::kZero) return SignedZero(negative);

  // 4. Both significands lie in [2^63, 2^64), so the product lies in
  //    [2^126, 2^128): normalise by at most one place, then round once.
  Exact product{negative, a.exponent + b.exponent + 1, MultiplyWide(a.significand, b.significand)};
  if ((product.bits.high >> 63) == 0) {
    product.bits = ShiftLeft(product.bits, 1);
    product.exponent -= 1;
  }
  return RoundAndPack(product, flags);
}

}  // namespace calc::soft_extended

#endif  // DISCORDANZA_SOFT_EXTENDED
