// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Widening a double to the extended format (exact) and narrowing an extended
// value to a double (one rounding to double precision and range).
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include "calc/bit_cast.h"
#include "calc/software_extended/round_and_pack.h"
#include "calc/software_extended/unpacked.h"

namespace calc::soft_extended {

namespace {

constexpr std::uint64_t kDoubleFractionMask = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kDoubleQuietBit = std::uint64_t{1} << 51;
constexpr std::uint64_t kDoubleExponentField = std::uint64_t{0x7FF} << 52;

double DoubleNaN(bool negative, std::uint64_t fraction) {
  return BitCast<double>((negative ? std::uint64_t{1} << 63 : 0) | kDoubleExponentField | kDoubleQuietBit |
                         (fraction & kDoubleFractionMask));
}

}  // namespace

Float80 FromDouble(double value, Flags& flags) {
  const std::uint64_t bits = BitCast<std::uint64_t>(value);
  const bool negative = (bits >> 63) != 0;
  const int field = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & kDoubleFractionMask;

  // 1. Infinities and NaNs: the NaN's payload moves to the top of the 64-bit
  //    significand; a signalling NaN is quieted and flagged.
  if (field == 0x7FF) {
    if (fraction == 0) return SignedInfinity(negative);
    if ((fraction & kDoubleQuietBit) == 0) flags |= kInvalid;
    return {kLeadingBit | kQuietBit | (fraction << 11),
            static_cast<std::uint16_t>((negative ? 0x8000 : 0) | kMaxExponentField)};
  }
  // 2. Zeros.
  if (field == 0 && fraction == 0) return SignedZero(negative);
  // 3. Normal and subnormal doubles: (implicit bit + fraction) × 2^(e − 1075),
  //    a subnormal weighing as exponent field 1; exact in the wider format.
  const std::uint64_t significand = field == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
  return RoundAndPack(ExactFromScaled(negative, significand, (field == 0 ? 1 : field) - 1075), flags);
}

double ToDouble(Float80 value, Flags& flags) {
  using Kind = Unpacked::Kind;
  const Unpacked x = Unpack(value);
  switch (x.kind) {
    case Kind::kUnsupported: flags |= kInvalid; return DoubleNaN(true, 0);
    case Kind::kNaN:
      // The top 52 bits after the leading bit carry over; the result is quiet.
      if (x.IsSignalingNaN()) flags |= kInvalid;
      return DoubleNaN(x.negative, x.significand >> 11);
    case Kind::kInfinity: return PackDouble({x.negative, true, 0, 0});
    case Kind::kZero: return PackDouble({x.negative, false, kDoubleFormat.minExponent, 0});
    case Kind::kFinite: break;
  }
  return PackDouble(Round({x.negative, x.exponent, {x.significand, 0}}, kDoubleFormat, flags));
}

}  // namespace calc::soft_extended

#endif  // DISCORDANZA_SOFT_EXTENDED
