// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Extended carried by the 80-bit long double of the x87 unit. Every operation
// is one x87 instruction rounding to a 64-bit significand, to nearest, ties to
// even (the control word's default precision and rounding on this platform);
// results do not depend on the optimisation level because long double has no
// wider format to be kept in between.
//
// extended.h decides which implementation is built (it selects the software
// one where long double is not the 80-bit format), so it comes first.
#include "calc/extended.h"

#ifndef DISCORDANZA_SOFT_EXTENDED

#include <cmath>

namespace calc {

Extended Extended::FromDouble(double value) { return Extended(static_cast<long double>(value)); }

Extended Extended::FromUint(std::uint64_t value) { return Extended(static_cast<long double>(value)); }

Extended Extended::FromParts(std::uint64_t significand, int exponent) {
  return Extended(std::ldexp(static_cast<long double>(significand), exponent));
}

double Extended::ToDouble() const { return static_cast<double>(value_); }

// frndint under the rounding to nearest of the control word: ties to even.
Extended Extended::RoundToInteger() const { return Extended(std::rint(value_)); }

std::uint64_t Extended::ToUint64() const { return static_cast<std::uint64_t>(value_); }

bool Extended::IsNaN() const { return std::isnan(value_); }
bool Extended::IsInfinite() const { return std::isinf(value_); }
bool Extended::IsZero() const { return value_ == 0.0L; }
bool Extended::IsNegative() const { return std::signbit(value_); }
Extended Extended::Abs() const { return Extended(std::fabs(value_)); }

Extended operator+(Extended a, Extended b) { return Extended(a.value_ + b.value_); }
Extended operator-(Extended a, Extended b) { return Extended(a.value_ - b.value_); }
Extended operator*(Extended a, Extended b) { return Extended(a.value_ * b.value_); }
Extended operator/(Extended a, Extended b) { return Extended(a.value_ / b.value_); }
bool operator==(Extended a, Extended b) { return a.value_ == b.value_; }
std::partial_ordering operator<=>(Extended a, Extended b) { return a.value_ <=> b.value_; }

}  // namespace calc

#endif  // DISCORDANZA_SOFT_EXTENDED
