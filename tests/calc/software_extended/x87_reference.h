// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The x87 unit as the reference for the software extended arithmetic: each
// operation runs on the hardware long double (x86 with the 80-bit format
// only) with every exception masked, and returns the result's bits with the
// exception flags that the operation raised.

#include <cstdint>

#include "calc/software_extended/float80.h"

namespace x87_reference {

using calc::soft_extended::Flags;
using calc::soft_extended::Float80;

template <typename T>
struct Outcome {
  T value;
  Flags flags;
};

Outcome<Float80> Add(Float80 a, Float80 b);
Outcome<Float80> Subtract(Float80 a, Float80 b);
Outcome<Float80> Multiply(Float80 a, Float80 b);
Outcome<Float80> Divide(Float80 a, Float80 b);
Outcome<Float80> FromDouble(double value);
Outcome<double> ToDouble(Float80 value);
Float80 FromUint(std::uint64_t value);
Outcome<Float80> FromParts(std::uint64_t significand, int exponent);
std::uint64_t ToUint64(Float80 value);
// nearbyint's result; its flags are not the instruction's (it hides inexact).
Float80 RoundToInteger(Float80 value);
// The invalid flag of the round-to-integer instruction itself.
Flags RoundToIntegerFlags(Float80 value);
std::partial_ordering Compare(Float80 a, Float80 b);

}  // namespace x87_reference
