// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Rounding an extended value to an integer, to nearest, ties to even, as the
// x87's round-to-integer instruction does under that rounding mode.
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include "calc/software_extended/round_and_pack.h"
#include "calc/software_extended/unpacked.h"

namespace calc::soft_extended {

Float80 RoundToInteger(Float80 value, Flags& flags) {
  using Kind = Unpacked::Kind;
  const Unpacked x = Unpack(value);

  // 1. NaNs and invalid operands; infinities and zeros are their own integers.
  if (x.IsNaNOrUnsupported()) return PropagateNaN(x, flags);
  if (x.kind == Kind::kInfinity) return SignedInfinity(x.negative);
  if (x.kind == Kind::kZero) return SignedZero(x.negative);

  // 2. Round in the integer format: its last place is 2^0 below 2^63 and
  //    numbers from 2^63 up are integers already. Only inexact is reported;
  //    that format has no underflow or overflow.
  Flags roundingFlags = 0;
  const Rounded integer = Round({x.negative, x.exponent, {x.significand, 0}}, kIntegerFormat, roundingFlags);
  flags |= roundingFlags & kInexact;

  // 3. Pack the integer significand × 2^(exponent − 63) into the extended
  //    format, exactly; a small value may have rounded to a zero of its sign.
  if (integer.significand == 0) return SignedZero(x.negative);
  Flags exact = 0;
  return RoundAndPack(ExactFromScaled(x.negative, integer.significand, integer.exponent - 63), exact);
}

}  // namespace calc::soft_extended

#endif  // DISCORDANZA_SOFT_EXTENDED
