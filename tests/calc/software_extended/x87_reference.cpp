// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The reference operations on the x87 unit. Operands pass through volatile
// long doubles so that the compiler neither folds nor moves the operation
// across the reads of the exception flags.
#include "tests/calc/software_extended/x87_reference.h"

#include <cfenv>
#include <cmath>
#include <compare>
#include <cstring>

static_assert(__LDBL_MANT_DIG__ == 64, "the reference needs the x87 80-bit long double");

namespace x87_reference {

namespace {

long double ToLongDouble(Float80 x) {
  long double value = 0.0L;
  std::memcpy(&value, &x.significand, 8);
  std::memcpy(reinterpret_cast<unsigned char*>(&value) + 8, &x.signExponent, 2);
  return value;
}

Float80 FromLongDouble(long double value) {
  Float80 x;
  std::memcpy(&x.significand, &value, 8);
  std::memcpy(&x.signExponent, reinterpret_cast<const unsigned char*>(&value) + 8, 2);
  return x;
}

void ClearFlags() { std::feclearexcept(FE_ALL_EXCEPT); }

Flags RaisedFlags() {
  const int raised = std::fetestexcept(FE_ALL_EXCEPT);
  Flags flags = 0;
  if (raised & FE_INVALID) flags |= calc::soft_extended::kInvalid;
  if (raised & FE_DIVBYZERO) flags |= calc::soft_extended::kDivideByZero;
  if (raised & FE_OVERFLOW) flags |= calc::soft_extended::kOverflow;
  if (raised & FE_UNDERFLOW) flags |= calc::soft_extended::kUnderflow;
  if (raised & FE_INEXACT) flags |= calc::soft_extended::kInexact;
  return flags;
}

template <typename Operation>
Outcome<Float80> Binary(Float80 a, Float80 b, Operation operation) {
  volatile long double x = ToLongDouble(a);
  volatile long double y = ToLongDouble(b);
  ClearFlags();
  volatile long double result = operation(x, y);
  const Flags flags = RaisedFlags();
  return {FromLongDouble(result), flags};
}

}  // namespace

Outcome<Float80> Add(Float80 a, Float80 b) {
  return Binary(a, b, [](long double x, long double y) { return x + y; });
}
Outcome<Float80> Subtract(Float80 a, Float80 b) {
  return Binary(a, b, [](long double x, long double y) { return x - y; });
}
Outcome<Float80> Multiply(Float80 a, Float80 b) {
  return Binary(a, b, [](long double x, long double y) { return x * y; });
}
Outcome<Float80> Divide(Float80 a, Float80 b) {
  return Binary(a, b, [](long double x, long double y) { return x / y; });
}

Outcome<Float80> FromDouble(double value) {
  volatile double x = value;
  ClearFlags();
  volatile long double result = x;
  const Flags flags = RaisedFlags();
  return {FromLongDouble(result), flags};
}

Outcome<double> ToDouble(Float80 value) {
  volatile long double x = ToLongDouble(value);
  ClearFlags();
  volatile double result = static_cast<double>(x);
  const Flags flags = RaisedFlags();
  return {result, flags};
}

Float80 FromUint(std::uint64_t value) {
  volatile std::uint64_t x = value;
  volatile long double result = static_cast<long double>(x);
  return FromLongDouble(result);
}

Outcome<Float80> FromParts(std::uint64_t significand, int exponent) {
  volatile long double x = static_cast<long double>(significand);
  ClearFlags();
  volatile long double result = std::ldexp(x, exponent);
  const Flags flags = RaisedFlags();
  return {FromLongDouble(result), flags};
}

std::uint64_t ToUint64(Float80 value) {
  volatile long double x = ToLongDouble(value);
  return static_cast<std::uint64_t>(x);
}

Float80 RoundToInteger(Float80 value) {
  volatile long double x = ToLongDouble(value);
  volatile long double result = std::nearbyint(x);
  return FromLongDouble(result);
}

Flags RoundToIntegerFlags(Float80 value) {
  long double x = ToLongDouble(value);
  ClearFlags();
  asm volatile("frndint" : "+t"(x));
  return RaisedFlags();
}

std::partial_ordering Compare(Float80 a, Float80 b) {
  volatile long double x = ToLongDouble(a);
  volatile long double y = ToLongDouble(b);
  return x <=> y;
}

}  // namespace x87_reference
