// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Seeded random operands for checking the extended arithmetic: bit patterns
// drawn from the corners where arithmetic goes wrong (subnormals and
// pseudo-denormals, the ends of the exponent range, the edges of the double
// range, NaNs with payloads, signed zeros, infinities) with significands
// shaped to produce ties, carries and cancellations.

#include <cstdint>
#include <random>

#include "calc/software_extended/float80.h"

class OperandGenerator {
 public:
  using Float80 = calc::soft_extended::Float80;

  explicit OperandGenerator(std::uint64_t seed) : engine_(seed) {}

  // Any operand the arithmetic can meet (canonical encodings and
  // pseudo-denormals; no unnormals).
  Float80 Next();
  // An operand whose exponent lies within about 70 places of x's, so that
  // sums cancel, round at ties or carry; sometimes x's significand with a
  // few bits changed.
  Float80 Near(Float80 x);
  // A finite operand whose magnitude lies near the double range's edges:
  // the largest double, the normal/subnormal boundary, below the smallest
  // subnormal.
  Float80 NearDoubleEdges();
  // A finite operand with an exponent in [-3, 66], where rounding to an
  // integer has fractions to drop.
  Float80 NearIntegers();
  // A pattern with a non-zero exponent field and the leading bit clear.
  Float80 Unsupported();
  // Any double bit pattern, weighted towards subnormals, the largest values,
  // NaNs and zeros.
  double NextDouble();

  std::uint64_t Significand();
  std::uint64_t Bits() { return engine_(); }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

 private:
  Float80 Finite(int field);
  Float80 Special();

  std::mt19937_64 engine_;
};
