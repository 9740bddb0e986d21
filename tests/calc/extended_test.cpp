// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/extended.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

using calc::Extended;

const Extended kOne = Extended::FromUint(1);

// The largest extended value: 64 one bits × 2^16320.
const Extended kLargest = Extended::FromParts(~std::uint64_t{0}, 16320);

// Rounding to double, ties to even, at the top and the bottom of its range.
struct ToDoubleRow {
  const char* name;
  std::uint64_t significand;
  int exponent;
  double expected;
};

TEST(Extended, ToDoubleRoundsToNearestEven) {
  const ToDoubleRow rows[] = {
      {"TieDownToEven", 0x8000000000000400, -63, 1.0},
      {"TieUpToEven", 0x8000000000000c00, -63, 1.0 + 0x1p-51},
      {"AboveTie", 0x8000000000000401, -63, 1.0 + 0x1p-52},
      {"LargestDouble", 0xfffffffffffff800, 960, DBL_MAX},
      {"BelowHalfUlpAboveLargest", 0xfffffffffffffbff, 960, DBL_MAX},
      {"HalfUlpAboveLargestOverflows", 0xfffffffffffffc00, 960, std::numeric_limits<double>::infinity()},
      {"SmallestSubnormal", 0x8000000000000000, -1137, 0x1p-1074},
      {"HalfSmallestSubnormalTiesToZero", 0x8000000000000000, -1138, 0.0},
      {"ThreeQuartersSmallestSubnormal", 0xc000000000000000, -1138, 0x1p-1074},
  };
  for (const ToDoubleRow& row : rows)
    EXPECT_EQ(Extended::FromParts(row.significand, row.exponent).ToDouble(), row.expected) << row.name;
}

TEST(Extended, WideningIsExact) {
  for (const double value : {0.1, 1.0 / 3.0, DBL_MAX, 0x1p-1074, DBL_MIN, -2.5})
    EXPECT_EQ(Extended::FromDouble(value).ToDouble(), value);
  EXPECT_TRUE(Extended::FromDouble(0.1) == Extended::FromParts(0xccccccccccccd000, -67));
  EXPECT_TRUE(Extended::FromUint(~std::uint64_t{0}) == Extended::FromParts(~std::uint64_t{0}, 0));
}

TEST(Extended, ArithmeticRoundsToSixtyFourBits) {
  const Extended halfUlp = Extended::FromParts(std::uint64_t{1} << 63, -127);  // 2^-64
  EXPECT_TRUE(kOne + halfUlp == kOne);
  EXPECT_TRUE(kOne + halfUlp + halfUlp == kOne);
  const Extended threeHalfUlps = Extended::FromParts(0xc000000000000000, -126);
  EXPECT_TRUE(kOne + threeHalfUlps == Extended::FromParts(0x8000000000000002, -63));
  EXPECT_TRUE(kOne / Extended::FromUint(3) == Extended::FromParts(0xaaaaaaaaaaaaaaab, -65));
  EXPECT_TRUE(Extended::FromUint(10) * Extended::FromParts(0xcccccccccccccccd, -67) ==
              Extended::FromParts(0x8000000000000000, -63));
}

TEST(Extended, SpecialResults) {
  const Extended zero = Extended::FromUint(0);
  EXPECT_TRUE((kLargest * Extended::FromUint(2)).IsInfinite());
  EXPECT_TRUE((kLargest + kLargest).IsInfinite());
  EXPECT_TRUE((kOne / zero).IsInfinite());
  EXPECT_TRUE((zero / zero).IsNaN());
  EXPECT_FALSE(kLargest.IsInfinite());
  EXPECT_TRUE(zero.IsZero());
  EXPECT_TRUE((zero - kOne).IsNegative());
  EXPECT_TRUE((zero - kOne).Abs() == kOne);
  EXPECT_TRUE(Extended::FromDouble(-0.0).IsNegative());
  EXPECT_TRUE(Extended::FromDouble(-0.0).IsZero());
  EXPECT_TRUE(Extended::FromDouble(std::numeric_limits<double>::quiet_NaN()).IsNaN());
  EXPECT_TRUE(kOne < Extended::FromUint(2));
  EXPECT_FALSE(Extended::FromDouble(NAN) == Extended::FromDouble(NAN));
}

TEST(Extended, RoundToIntegerTiesToEven) {
  const struct {
    double value;
    double expected;
  } rows[] = {
      {2.5, 2.0}, {3.5, 4.0}, {-2.5, -2.0}, {2.4999999999999996, 2.0}, {0.5, 0.0}, {1e18 + 64, 1e18 + 64}};
  for (const auto& row : rows)
    EXPECT_EQ(Extended::FromDouble(row.value).RoundToInteger().ToDouble(), row.expected) << row.value;
  const Extended half = Extended::FromParts(0x8000000000000000, -64);
  EXPECT_TRUE((Extended::FromUint(999999999999999999) + half).RoundToInteger() ==
              Extended::FromUint(1000000000000000000));
  EXPECT_EQ(Extended::FromUint(~std::uint64_t{0}).ToUint64(), ~std::uint64_t{0});
  EXPECT_EQ(Extended::FromUint(123456789012345678).ToUint64(), 123456789012345678u);
}

}  // namespace
