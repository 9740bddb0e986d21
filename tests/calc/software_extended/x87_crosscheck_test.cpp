// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The software extended arithmetic against the x87 unit, operation by
// operation over a few million seeded operands: the result's bits and the
// exception flags must be identical. The operand count is scaled down by
// EXTENDED_CROSSCHECK_DIVISOR (set for the sanitizer build).
#include <gtest/gtest.h>

#include <bit>
#include <cinttypes>
#include <cstdio>
#include <string>

#include "calc/software_extended/float80.h"
#include "tests/calc/software_extended/operand_generator.h"
#include "tests/calc/software_extended/x87_reference.h"

#ifndef EXTENDED_CROSSCHECK_DIVISOR
#define EXTENDED_CROSSCHECK_DIVISOR 1
#endif

namespace {

namespace se = calc::soft_extended;
using se::Flags;
using se::Float80;

constexpr std::uint64_t kSeed = 0x5EED'E87E'7D5Du;
long long totalChecked = 0;

long long Count(long long full) { return full / EXTENDED_CROSSCHECK_DIVISOR; }

std::string Hex(Float80 x) {
  char text[40];
  std::snprintf(text, sizeof text, "%04x:%016" PRIx64, x.signExponent, x.significand);
  return text;
}

std::string Hex(double x) {
  char text[40];
  std::snprintf(text, sizeof text, "%016" PRIx64, std::bit_cast<std::uint64_t>(x));
  return text;
}

bool operator==(Float80 a, Float80 b) {
  return a.significand == b.significand && a.signExponent == b.signExponent;
}

template <typename T>
bool Same(const x87_reference::Outcome<T>& a, const x87_reference::Outcome<T>& b) {
  if constexpr (std::is_same_v<T, double>) {
    return std::bit_cast<std::uint64_t>(a.value) == std::bit_cast<std::uint64_t>(b.value) &&
           a.flags == b.flags;
  } else {
    return a.value == b.value && a.flags == b.flags;
  }
}

template <typename T>
std::string Describe(const x87_reference::Outcome<T>& outcome) {
  return Hex(outcome.value) + " flags " + std::to_string(outcome.flags);
}

class Tally {
 public:
  explicit Tally(const char* what) : what_(what) {}
  ~Tally() {
    totalChecked += count_;
    std::printf("[ tally    ] %s: %lld operations cross-checked\n", what_, count_);
  }
  void Add() { ++count_; }

 private:
  const char* what_;
  long long count_ = 0;
};

using BinarySoftware = Float80 (*)(Float80, Float80, Flags&);
using BinaryHardware = x87_reference::Outcome<Float80> (*)(Float80, Float80);

// How often the operands reached each corner, so that a weakened generator
// shows up as a failure rather than as a quieter pass.
struct Corners {
  long long flagged[5] = {};  // invalid, division by zero, overflow, underflow, inexact
  long long subnormal = 0;    // non-zero results with exponent field 0
  long long nan = 0;

  void Observe(const x87_reference::Outcome<Float80>& outcome) {
    for (int bit = 0; bit < 5; ++bit) {
      if (outcome.flags & (1u << bit)) ++flagged[bit];
    }
    const int field = outcome.value.signExponent & 0x7FFF;
    if (field == 0 && outcome.value.significand != 0) ++subnormal;
    if (field == 0x7FFF && (outcome.value.significand << 1) != 0) ++nan;
  }
};

Corners CheckBinary(const char* name, BinarySoftware software, BinaryHardware hardware, std::uint64_t seed) {
  OperandGenerator generator(seed);
  Tally tally(name);
  Corners corners;
  for (long long i = 0; i < Count(600'000); ++i) {
    const Float80 a = generator.Next();
    const Float80 b = (i % 2 == 0) ? generator.Near(a) : generator.Next();
    // Both operand orders: the NaN rules and the alignment are not symmetric in the code.
    for (const auto& [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
      Flags flags = 0;
      const x87_reference::Outcome<Float80> soft{software(x, y, flags), flags};
      const x87_reference::Outcome<Float80> hard = hardware(x, y);
      tally.Add();
      corners.Observe(hard);
      if (!Same(soft, hard)) {
        ADD_FAILURE() << name << "(" << Hex(x) << ", " << Hex(y) << "): software " << Describe(soft)
                      << ", x87 " << Describe(hard);
        return corners;
      }
    }
  }
  return corners;
}

// At least one result in five thousand of each kind the operation can give.
// (A sum or difference is never inexact below the normal range, so it never
// underflows; only a quotient divides by zero.)
void ExpectCornersReached(const Corners& corners, Flags possible) {
  const long long least = Count(600'000) * 2 / 5000;
  const char* const names[] = {"invalid", "division by zero", "overflow", "underflow", "inexact"};
  for (int bit = 0; bit < 5; ++bit) {
    if (possible & (1u << bit)) {
      EXPECT_GE(corners.flagged[bit], least) << names[bit];
    }
  }
  EXPECT_GE(corners.subnormal, least) << "subnormal results";
  EXPECT_GE(corners.nan, least) << "NaN results";
}

constexpr Flags kAddFlags = se::kInvalid | se::kOverflow | se::kInexact;
constexpr Flags kMultiplyFlags = kAddFlags | se::kUnderflow;

TEST(X87Crosscheck, Add) {
  ExpectCornersReached(CheckBinary("add", se::Add, x87_reference::Add, kSeed + 1), kAddFlags);
}
TEST(X87Crosscheck, Subtract) {
  ExpectCornersReached(CheckBinary("subtract", se::Subtract, x87_reference::Subtract, kSeed + 2), kAddFlags);
}
TEST(X87Crosscheck, Multiply) {
  ExpectCornersReached(CheckBinary("multiply", se::Multiply, x87_reference::Multiply, kSeed + 3),
                       kMultiplyFlags);
}
TEST(X87Crosscheck, Divide) {
  ExpectCornersReached(CheckBinary("divide", se::Divide, x87_reference::Divide, kSeed + 4),
                       kMultiplyFlags | se::kDivideByZero);
}

TEST(X87Crosscheck, InvalidEncodingsGiveTheDefaultNaN) {
  OperandGenerator generator(kSeed + 5);
  Tally tally("invalid encodings");
  const BinarySoftware software[] = {se::Add, se::Subtract, se::Multiply, se::Divide};
  const BinaryHardware hardware[] = {x87_reference::Add, x87_reference::Subtract, x87_reference::Multiply,
                                     x87_reference::Divide};
  for (long long i = 0; i < Count(20'000); ++i) {
    const Float80 a = generator.Unsupported();
    const Float80 b = generator.Next();
    for (int op = 0; op < 4; ++op) {
      for (const auto& [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
        Flags flags = 0;
        const x87_reference::Outcome<Float80> soft{software[op](x, y, flags), flags};
        const x87_reference::Outcome<Float80> hard = hardware[op](x, y);
        tally.Add();
        ASSERT_TRUE(Same(soft, hard)) << "operation " << op << "(" << Hex(x) << ", " << Hex(y)
                                      << "): software " << Describe(soft) << ", x87 " << Describe(hard);
      }
    }
    Flags flags = 0;
    const x87_reference::Outcome<double> soft{se::ToDouble(a, flags), flags};
    const x87_reference::Outcome<double> hard = x87_reference::ToDouble(a);
    tally.Add();
    ASSERT_TRUE(Same(soft, hard)) << "ToDouble(" << Hex(a) << "): software " << Describe(soft) << ", x87 "
                                  << Describe(hard);
    Flags roundingFlags = 0;
    const Float80 rounded = se::RoundToInteger(a, roundingFlags);
    tally.Add();
    ASSERT_EQ(Hex(rounded), Hex(x87_reference::RoundToInteger(a))) << "RoundToInteger(" << Hex(a) << ")";
    ASSERT_EQ(roundingFlags, x87_reference::RoundToIntegerFlags(a))
        << "RoundToInteger(" << Hex(a) << ") flags";
    tally.Add();
    ASSERT_TRUE(se::Compare(a, b) == x87_reference::Compare(a, b))
        << "Compare(" << Hex(a) << ", " << Hex(b) << ")";
  }
}

TEST(X87Crosscheck, FromDouble) {
  OperandGenerator generator(kSeed + 6);
  Tally tally("from double");
  for (long long i = 0; i < Count(300'000); ++i) {
    const double value = generator.NextDouble();
    Flags flags = 0;
    const x87_reference::Outcome<Float80> soft{se::FromDouble(value, flags), flags};
    const x87_reference::Outcome<Float80> hard = x87_reference::FromDouble(value);
    tally.Add();
    ASSERT_TRUE(Same(soft, hard)) << "FromDouble(" << Hex(value) << "): software " << Describe(soft)
                                  << ", x87 " << Describe(hard);
  }
}

TEST(X87Crosscheck, ToDouble) {
  OperandGenerator generator(kSeed + 7);
  Tally tally("to double");
  for (long long i = 0; i < Count(600'000); ++i) {
    const Float80 value = i % 2 == 0 ? generator.NearDoubleEdges() : generator.Next();
    Flags flags = 0;
    const x87_reference::Outcome<double> soft{se::ToDouble(value, flags), flags};
    const x87_reference::Outcome<double> hard = x87_reference::ToDouble(value);
    tally.Add();
    ASSERT_TRUE(Same(soft, hard)) << "ToDouble(" << Hex(value) << "): software " << Describe(soft) << ", x87 "
                                  << Describe(hard);
  }
}

TEST(X87Crosscheck, RoundToIntegerAndBackToUint64) {
  OperandGenerator generator(kSeed + 8);
  Tally tally("round to integer, to uint64");
  for (long long i = 0; i < Count(300'000); ++i) {
    const Float80 value = i % 4 == 0 ? generator.Next() : generator.NearIntegers();
    Flags flags = 0;
    const Float80 soft = se::RoundToInteger(value, flags);
    const Float80 hard = x87_reference::RoundToInteger(value);
    tally.Add();
    ASSERT_EQ(Hex(soft), Hex(hard)) << "RoundToInteger(" << Hex(value) << ")";
    ASSERT_EQ(flags, x87_reference::RoundToIntegerFlags(value))
        << "RoundToInteger(" << Hex(value) << ") flags";
    // Integers in [0, 2^64) convert back to the same unsigned integer.
    const bool inRange = (soft.signExponent & 0x8000) == 0 && (soft.signExponent & 0x7FFF) < 16383 + 64;
    if (inRange) {
      tally.Add();
      ASSERT_EQ(se::ToUint64(soft), x87_reference::ToUint64(soft)) << "ToUint64(" << Hex(soft) << ")";
    }
  }
}

TEST(X87Crosscheck, FromUintAndFromParts) {
  OperandGenerator generator(kSeed + 9);
  Tally tally("from uint, from parts");
  for (long long i = 0; i < Count(200'000); ++i) {
    const std::uint64_t integer = generator.Significand() >> generator.Between(0, 63);
    tally.Add();
    ASSERT_EQ(Hex(se::FromUint(integer)), Hex(x87_reference::FromUint(integer)))
        << "FromUint(" << integer << ")";

    // A normalised significand anywhere in the range, subnormal results included.
    const std::uint64_t significand = generator.Significand() | (std::uint64_t{1} << 63);
    const int exponent = generator.Between(-16382 - 63 - 70, 16383 - 63);
    Flags flags = 0;
    const x87_reference::Outcome<Float80> soft{se::FromParts(significand, exponent, flags), flags};
    const x87_reference::Outcome<Float80> hard = x87_reference::FromParts(significand, exponent);
    tally.Add();
    ASSERT_TRUE(Same(soft, hard)) << "FromParts(" << significand << ", " << exponent << "): software "
                                  << Describe(soft) << ", x87 " << Describe(hard);
  }
}

TEST(X87Crosscheck, Compare) {
  OperandGenerator generator(kSeed + 10);
  Tally tally("compare");
  for (long long i = 0; i < Count(300'000); ++i) {
    Float80 a = generator.Next();
    Float80 b = i % 2 == 0 ? generator.Near(a) : generator.Next();
    // Some pairs differ only in the sign (equal when zero), some are one value
    // as a normal number and as a pseudo-denormal.
    if (i % 4 == 1) b = {a.significand, static_cast<std::uint16_t>(a.signExponent ^ 0x8000)};
    if (i % 4 == 3) {
      a = {a.significand | (std::uint64_t{1} << 63),
           static_cast<std::uint16_t>((a.signExponent & 0x8000) | 1)};
      b = {a.significand, static_cast<std::uint16_t>(a.signExponent & 0x8000)};
    }
    tally.Add();
    ASSERT_TRUE(se::Compare(a, b) == x87_reference::Compare(a, b))
        << "Compare(" << Hex(a) << ", " << Hex(b) << ")";
  }
}

class TotalReport : public ::testing::Environment {
 public:
  void TearDown() override {
    std::printf("[ tally    ] %lld operations cross-checked in all\n", totalChecked);
  }
};
const auto* const totalReport = ::testing::AddGlobalTestEnvironment(new TotalReport);

}  // namespace
