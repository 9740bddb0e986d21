// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Extended carried by the software arithmetic of this folder, for machines
// whose long double is not the x87's 80-bit format (or when the build asks
// for it). The operations' exception flags are not needed here: Extended has
// plain IEEE value semantics and its callers test the results.
#include "calc/extended.h"  // decides whether the software arithmetic is in use
#ifdef DISCORDANZA_SOFT_EXTENDED

#include <type_traits>

#include "calc/bit_cast.h"
#include "calc/software_extended/float80.h"

namespace calc {

namespace se = soft_extended;

namespace {

// Extended holds the same two fields as Float80, in the same order.
static_assert(sizeof(Extended) == sizeof(se::Float80));
static_assert(std::is_trivially_copyable_v<Extended>);

se::Float80 Bits(Extended x) { return BitCast<se::Float80>(x); }
Extended FromBits(se::Float80 x) { return BitCast<Extended>(x); }

}  // namespace

Extended Extended::FromDouble(double value) {
  se::Flags flags = 0;
  return FromBits(se::FromDouble(value, flags));
}

Extended Extended::FromUint(std::uint64_t value) { return FromBits(se::FromUint(value)); }

Extended Extended::FromParts(std::uint64_t significand, int exponent) {
  se::Flags flags = 0;
  return FromBits(se::FromParts(significand, exponent, flags));
}

double Extended::ToDouble() const {
  se::Flags flags = 0;
  return se::ToDouble(Bits(*this), flags);
}

Extended Extended::RoundToInteger() const {
  se::Flags flags = 0;
  return FromBits(se::RoundToInteger(Bits(*this), flags));
}

std::uint64_t Extended::ToUint64() const { return se::ToUint64(Bits(*this)); }

bool Extended::IsNaN() const { return (signExponent_ & 0x7FFF) == 0x7FFF && (significand_ << 1) != 0; }
bool Extended::IsInfinite() const { return (signExponent_ & 0x7FFF) == 0x7FFF && (significand_ << 1) == 0; }
bool Extended::IsZero() const { return (signExponent_ & 0x7FFF) == 0 && significand_ == 0; }
bool Extended::IsNegative() const { return (signExponent_ & 0x8000) != 0; }

Extended Extended::Abs() const {
  Extended result = *this;
  result.signExponent_ &= 0x7FFF;
  return result;
}

Extended operator+(Extended a, Extended b) {
  se::Flags flags = 0;
  return FromBits(se::Add(Bits(a), Bits(b), flags));
}

Extended operator-(Extended a, Extended b) {
  se::Flags flags = 0;
  return FromBits(se::Subtract(Bits(a), Bits(b), flags));
}

Extended operator*(Extended a, Extended b) {
  se::Flags flags = 0;
  return FromBits(se::Multiply(Bits(a), Bits(b), flags));
}

Extended operator/(Extended a, Extended b) {
  se::Flags flags = 0;
  return FromBits(se::Divide(Bits(a), Bits(b), flags));
}

bool operator==(Extended a, Extended b) { return se::Compare(Bits(a), Bits(b)) == 0; }

std::partial_ordering operator<=>(Extended a, Extended b) { return se::Compare(Bits(a), Bits(b)); }

}  // namespace calc

#endif  // DISCORDANZA_SOFT_EXTENDED
