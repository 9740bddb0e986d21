// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Ordering of two extended values by their numeric value.
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include "calc/software_extended/unpacked.h"

namespace calc::soft_extended {

namespace {

// The magnitude's place in the order of magnitudes: zero first, then finite
// values by exponent and significand, then infinity.
std::weak_ordering CompareMagnitudes(const Unpacked& a, const Unpacked& b) {
  using Kind = Unpacked::Kind;
  const auto rank = [](Kind kind) { return kind == Kind::kZero ? 0 : kind == Kind::kFinite ? 1 : 2; };
  if (rank(a.kind) != rank(b.kind)) return rank(a.kind) <=> rank(b.kind);
  if (a.kind != Kind::kFinite) return std::weak_ordering::equivalent;
  if (a.exponent != b.exponent) return a.exponent <=> b.exponent;
  return a.significand <=> b.significand;
}

}  // namespace

std::partial_ordering Compare(Float80 x, Float80 y) {
  const Unpacked a = Unpack(x);
  const Unpacked b = Unpack(y);
  // 1. NaNs and invalid operands are unordered.
  if (a.IsNaNOrUnsupported() || b.IsNaNOrUnsupported()) return std::partial_ordering::unordered;
  // 2. Zeros are equal whatever their signs.
  const bool aZero = a.kind == Unpacked::Kind::kZero;
  const bool bZero = b.kind == Unpacked::Kind::kZero;
  if (aZero && bZero) return std::partial_ordering::equivalent;
  // 3. Different signs: the negative one is smaller.
  if (a.negative != b.negative)
    return a.negative ? std::partial_ordering::less : std::partial_ordering::greater;
  // 4. Same signs: the magnitudes decide, reversed for negatives.
  const std::weak_ordering magnitude = CompareMagnitudes(a, b);
  return a.negative ? 0 <=> magnitude : magnitude <=> 0;
}

}  // namespace calc::soft_extended

#endif  // DISCORDANZA_SOFT_EXTENDED
