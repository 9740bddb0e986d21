// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Taking an 80-bit pattern apart, and the NaN that an operation on NaNs gives.
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include <bit>

#include "calc/software_extended/unpacked.h"

namespace calc::soft_extended {

Unpacked Unpack(Float80 value) {
  Unpacked result;
  result.negative = (value.signExponent & 0x8000) != 0;
  const int field = value.signExponent & kMaxExponentField;
  const std::uint64_t significand = value.significand;
  using Kind = Unpacked::Kind;

  // 1. Exponent field 0x7FFF: infinities and NaNs need the leading bit.
  if (field == kMaxExponentField) {
    result.significand = significand;
    if ((significand & kLeadingBit) == 0) {
      result.kind = Kind::kUnsupported;
    } else {
      result.kind = (significand << 1) == 0 ? Kind::kInfinity : Kind::kNaN;
    }
    return result;
  }
  // 2. A non-zero field with the leading bit clear is an unnormal.
  if (field != 0 && (significand & kLeadingBit) == 0) {
    result.kind = Kind::kUnsupported;
    return result;
  }
  // 3. Zeros.
  if (significand == 0) {
    result.kind = Kind::kZero;
    return result;
  }
  // 4. Finite values: field 0 (subnormals and pseudo-denormals alike) weighs
  //    as field 1; the significand is normalised with an unbounded exponent.
  const int shift = std::countl_zero(significand);
  result.kind = Kind::kFinite;
  result.exponent = (field == 0 ? 1 : field) - kExponentBias - shift;
  result.significand = significand << shift;
  return result;
}

namespace {

Float80 Quieted(const Unpacked& nan) {
  return {nan.significand | kQuietBit,
          static_cast<std::uint16_t>((nan.negative ? 0x8000 : 0) | kMaxExponentField)};
}

}  // namespace

Float80 PropagateNaN(const Unpacked& a, const Unpacked& b, Flags& flags) {
  using Kind = Unpacked::Kind;
  if (a.kind == Kind::kUnsupported || b.kind == Kind::kUnsupported) {
    flags |= kInvalid;
    return kDefaultNaN;
  }
  if (a.IsSignalingNaN() || b.IsSignalingNaN()) flags |= kInvalid;
  if (a.kind != Kind::kNaN) return Quieted(b);
  if (b.kind != Kind::kNaN) return Quieted(a);
  // Both NaNs: a quiet one beats a signalling one, else the larger
  // significand; between equal significands the positive one.
  const bool aQuiet = !a.IsSignalingNaN();
  const bool bQuiet = !b.IsSignalingNaN();
  if (aQuiet != bQuiet) return Quieted(aQuiet ? a : b);
  if (a.significand != b.significand) return Quieted(a.significand > b.significand ? a : b);
  return Quieted(a.negative ? b : a);
}

Float80 PropagateNaN(const Unpacked& a, Flags& flags) {
  if (a.kind == Unpacked::Kind::kUnsupported) {
    flags |= kInvalid;
    return kDefaultNaN;
  }
  if (a.IsSignalingNaN()) flags |= kInvalid;
  return Quieted(a);
}

}  // namespace calc::soft_extended

#endif  // DISCORDANZA_SOFT_EXTENDED
