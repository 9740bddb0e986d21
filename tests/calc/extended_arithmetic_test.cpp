// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// calc::Extended through its public interface, in whichever implementation
// this build selected: the x87 long double or the software arithmetic. The
// same tables pass with both, on every platform. Results are compared by
// value and sign (every finite value has one encoding), NaNs by being NaN.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

#include "calc/extended.h"

namespace {

using calc::Extended;

constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

// 2^exponent.
Extended Power(int exponent) { return Extended::FromParts(kTop, exponent - 63); }
Extended Uint(std::uint64_t value) { return Extended::FromUint(value); }
Extended Double(double value) { return Extended::FromDouble(value); }
Extended Negated(Extended x) { return Extended() - x; }
Extended NegativeZero() { return Double(-0.0); }
Extended Infinity() { return Uint(1) / Extended(); }
Extended NaN() { return Extended() / Extended(); }
const Extended kSmallestSubnormal = Power(-16445);
const Extended kLargest = Extended::FromParts(~std::uint64_t{0}, 16383 - 63);

bool Same(Extended a, Extended b) {
  if (a.IsNaN() || b.IsNaN()) return a.IsNaN() && b.IsNaN();
  return a == b && a.IsNegative() == b.IsNegative();
}

std::string Describe(Extended x) {
  if (x.IsNaN()) return "NaN";
  // Exact enough to tell neighbours apart: the double and the remainder.
  const double high = x.ToDouble();
  const double low = (x - Double(high)).ToDouble();
  return (x.IsNegative() ? "-" : "+") + std::to_string(std::fabs(high)) + " (" + std::to_string(high) +
         " + " + std::to_string(low) + ")";
}

struct ExtendedCase {
  const char* name;
  std::function<Extended()> actual;
  std::function<Extended()> expected;
};

void PrintTo(const ExtendedCase& row, std::ostream* out) { *out << row.name; }

class ExtendedTable : public ::testing::TestWithParam<ExtendedCase> {};

TEST_P(ExtendedTable, GivesTheExpectedValue) {
  const Extended actual = GetParam().actual();
  const Extended expected = GetParam().expected();
  EXPECT_TRUE(Same(actual, expected)) << "got " << Describe(actual) << ", expected " << Describe(expected);
}

std::string CaseName(const ::testing::TestParamInfo<ExtendedCase>& info) { return info.param.name; }

// Sums and products whose exact value lies halfway between two neighbours go
// to the one with an even last bit. (A quotient of two 64-bit significands is
// never a tie.)
INSTANTIATE_TEST_SUITE_P(
    Ties, ExtendedTable,
    ::testing::Values(
        ExtendedCase{"OnePlusHalfUlpStaysOne", [] { return Uint(1) + Power(-64); }, [] { return Uint(1); }},
        ExtendedCase{"OnePlusThreeHalfUlpsGoesUp", [] { return Uint(1) + Uint(3) * Power(-64); },
                     [] { return Uint(1) + Power(-62); }},
        ExtendedCase{"ProductWithSixtyFifthBitSet",
                     [] { return Uint((1ull << 32) + 1) * Uint((1ull << 32) + 1); },
                     [] { return Uint(1ull << 33) + Power(64); }},
        ExtendedCase{"TieCarriesIntoTheNextPowerOfTwo", [] { return Power(65) - Uint(1); },
                     [] { return Power(65); }}),
    CaseName);

// Results below the normal range keep the subnormal last place, 2^-16445,
// and are rounded there once.
INSTANTIATE_TEST_SUITE_P(
    Subnormals, ExtendedTable,
    ::testing::Values(ExtendedCase{"SmallestTimesOneIsItself", [] { return kSmallestSubnormal * Uint(1); },
                                   [] { return kSmallestSubnormal; }},
                      ExtendedCase{"HalfTheSmallestTiesToZero", [] { return kSmallestSubnormal / Uint(2); },
                                   [] { return Extended(); }},
                      ExtendedCase{"ThreeHalvesOfTheSmallestTiesToTwo",
                                   [] { return Uint(3) * kSmallestSubnormal / Uint(2); },
                                   [] { return Uint(2) * kSmallestSubnormal; }},
                      ExtendedCase{"NormalTimesSmallPowerIsExactSubnormal",
                                   [] { return Power(-16382) * Power(-40); }, [] { return Power(-16422); }},
                      ExtendedCase{"JustAboveHalfTheSmallestRoundsUp",
                                   [] { return Power(-16382) * Double(0x1p-64 + 0x1p-116); },
                                   [] { return kSmallestSubnormal; }},
                      ExtendedCase{"NegativeUnderflowKeepsItsSign",
                                   [] { return Negated(kSmallestSubnormal) / Uint(4); },
                                   [] { return NegativeZero(); }},
                      ExtendedCase{"SubnormalsAddUpToTheSmallestNormal",
                                   [] { return Power(-16383) + Power(-16383); },
                                   [] { return Power(-16382); }}),
    CaseName);

// The extended range ends at about 1.19e4932; beyond it, an infinity.
INSTANTIATE_TEST_SUITE_P(
    Overflow, ExtendedTable,
    ::testing::Values(ExtendedCase{"LargestPlusHalfUlpOverflows", [] { return kLargest + Power(16383 - 64); },
                                   [] { return Infinity(); }},
                      ExtendedCase{"LargestPlusLessThanHalfUlpStays",
                                   [] { return kLargest + Power(16383 - 65); }, [] { return kLargest; }},
                      ExtendedCase{"LargestTimesTwoOverflows", [] { return kLargest * Uint(2); },
                                   [] { return Infinity(); }},
                      ExtendedCase{"NegativeOverflowIsMinusInfinity",
                                   [] { return Negated(kLargest) / Power(-2); },
                                   [] { return Negated(Infinity()); }},
                      ExtendedCase{"BeyondDoubleRangeIsStillFinite",
                                   [] { return Double(1e308) * Uint(10) / Uint(10); },
                                   [] { return Double(1e308); }}),
    CaseName);

// Infinities, zero divisors and signed zeros follow IEEE value semantics.
INSTANTIATE_TEST_SUITE_P(
    SpecialValues, ExtendedTable,
    ::testing::Values(
        ExtendedCase{"OneOverZero", [] { return Uint(1) / Extended(); }, [] { return Infinity(); }},
        ExtendedCase{"OneOverMinusZero", [] { return Uint(1) / NegativeZero(); },
                     [] { return Negated(Infinity()); }},
        ExtendedCase{"ZeroOverZeroIsNaN", [] { return Extended() / Extended(); }, [] { return NaN(); }},
        ExtendedCase{"InfinityMinusInfinityIsNaN", [] { return Infinity() - Infinity(); },
                     [] { return NaN(); }},
        ExtendedCase{"InfinityTimesZeroIsNaN", [] { return Infinity() * Extended(); }, [] { return NaN(); }},
        ExtendedCase{"NaNPropagates", [] { return NaN() + Uint(1); }, [] { return NaN(); }},
        ExtendedCase{"NumberOverInfinityIsZero", [] { return Negated(Uint(5)) / Infinity(); },
                     [] { return NegativeZero(); }},
        ExtendedCase{"MinusZeroPlusMinusZero", [] { return NegativeZero() + NegativeZero(); },
                     [] { return NegativeZero(); }},
        ExtendedCase{"MinusZeroPlusZero", [] { return NegativeZero() + Extended(); },
                     [] { return Extended(); }},
        ExtendedCase{"ExactCancellationIsPlusZero", [] { return Double(0.1) - Double(0.1); },
                     [] { return Extended(); }},
        ExtendedCase{"AbsOfMinusZero", [] { return NegativeZero().Abs(); }, [] { return Extended(); }},
        ExtendedCase{"AbsOfMinusInfinity", [] { return Negated(Infinity()).Abs(); },
                     [] { return Infinity(); }}),
    CaseName);

// Rounding to an integer: to nearest, ties to even, the sign of a zero kept.
INSTANTIATE_TEST_SUITE_P(
    RoundToInteger, ExtendedTable,
    ::testing::Values(
        ExtendedCase{"HalfToZero", [] { return Double(0.5).RoundToInteger(); }, [] { return Extended(); }},
        ExtendedCase{"OneAndAHalfToTwo", [] { return Double(1.5).RoundToInteger(); }, [] { return Uint(2); }},
        ExtendedCase{"TwoAndAHalfToTwo", [] { return Double(2.5).RoundToInteger(); }, [] { return Uint(2); }},
        ExtendedCase{"JustAboveAHalfUp", [] { return (Double(0.5) + Power(-64)).RoundToInteger(); },
                     [] { return Uint(1); }},
        ExtendedCase{"MinusTwoAndAHalf", [] { return Double(-2.5).RoundToInteger(); },
                     [] { return Negated(Uint(2)); }},
        ExtendedCase{"MinusAThirdToMinusZero", [] { return (Negated(Uint(1)) / Uint(3)).RoundToInteger(); },
                     [] { return NegativeZero(); }},
        ExtendedCase{"LastFractionalBinade", [] { return (Power(62) + Double(0.5)).RoundToInteger(); },
                     [] { return Power(62); }},
        ExtendedCase{"LargeNumbersAreIntegers", [] { return kLargest.RoundToInteger(); },
                     [] { return kLargest; }},
        ExtendedCase{"SubnormalToZero", [] { return kSmallestSubnormal.RoundToInteger(); },
                     [] { return Extended(); }}),
    CaseName);

// Conversions from and to integers and parts are exact.
INSTANTIATE_TEST_SUITE_P(
    Conversions, ExtendedTable,
    ::testing::Values(
        ExtendedCase{"LargestUint", [] { return Uint(~0ull); }, [] { return Power(64) - Uint(1); }},
        ExtendedCase{"PartsOfTenToTheTwenty", [] { return Extended::FromParts(0xAD78EBC5AC620000ull, 3); },
                     [] { return Uint(10'000'000'000ull) * Uint(10'000'000'000ull); }},
        ExtendedCase{"SmallestSubnormalDouble",
                     [] { return Double(std::numeric_limits<double>::denorm_min()); },
                     [] { return Power(-1074); }},
        ExtendedCase{"LargestDouble", [] { return Double(DBL_MAX); },
                     [] { return Extended::FromParts(0xFFFFFFFFFFFFF800ull, 1024 - 64); }},
        ExtendedCase{"MinusZeroDouble", [] { return Double(-0.0); }, [] { return Uint(0) * Double(-1.0); }}),
    CaseName);

struct ToDoubleCase {
  const char* name;
  std::function<Extended()> value;
  double expected;
};

void PrintTo(const ToDoubleCase& row, std::ostream* out) { *out << row.name; }

class ToDoubleTable : public ::testing::TestWithParam<ToDoubleCase> {};

TEST_P(ToDoubleTable, RoundsOnceToDouble) {
  const double actual = GetParam().value().ToDouble();
  EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(GetParam().expected))
      << "got " << actual << ", expected " << GetParam().expected;
}

std::string ToDoubleName(const ::testing::TestParamInfo<ToDoubleCase>& info) { return info.param.name; }

// Narrowing to double: ties to even, the double subnormal range, overflow at
// the largest double, and the worked examples whose totals depend on the
// extended intermediates.
INSTANTIATE_TEST_SUITE_P(
    Narrowing, ToDoubleTable,
    ::testing::Values(
        ToDoubleCase{"TieStaysEven", [] { return Uint((1ull << 53) + 1); }, 9007199254740992.0},
        ToDoubleCase{"TieGoesUpToEven", [] { return Uint((1ull << 53) + 3); }, 9007199254740996.0},
        ToDoubleCase{"AboveTieGoesUp", [] { return Uint(1) + Power(-53) + Power(-63); }, 1.0 + 0x1p-52},
        ToDoubleCase{"HalfTheSmallestSubnormalTiesToZero", [] { return Power(-1075); }, 0.0},
        ToDoubleCase{"ThreeHalvesOfTheSmallestSubnormal", [] { return Uint(3) * Power(-1075); }, 0x1p-1073},
        ToDoubleCase{"JustBelowTheSmallestNormal", [] { return Power(-1022) - Power(-1080); }, 0x1p-1022},
        ToDoubleCase{"NegativeTinyToMinusZero", [] { return Negated(Power(-1100)); }, -0.0},
        ToDoubleCase{"ExtendedSubnormalToZero", [] { return kSmallestSubnormal; }, 0.0},
        ToDoubleCase{"LargestDouble", [] { return Double(DBL_MAX); }, DBL_MAX},
        ToDoubleCase{"LargestDoublePlusLessThanHalfUlp", [] { return Double(DBL_MAX) + Power(969); },
                     DBL_MAX},
        ToDoubleCase{"LargestDoublePlusHalfUlpOverflows", [] { return Double(DBL_MAX) + Power(970); },
                     std::numeric_limits<double>::infinity()},
        ToDoubleCase{"BeyondTheDoubleRange", [] { return Negated(Power(2000)); },
                     -std::numeric_limits<double>::infinity()},
        ToDoubleCase{"WorkedExampleOne",
                     [] {
                       const Extended a = Uint(2767605);
                       const Extended r = Double((Uint(97) / Uint(100)).ToDouble());
                       return a - a * r;
                     },
                     std::bit_cast<double>(0x40f445426666666bull)},  // 83028.150000000067
        ToDoubleCase{"WorkedExampleTwo",
                     [] {
                       const Extended a = Uint(1017865);
                       const Extended r = Double((Uint(94) / Uint(100)).ToDouble());
                       return a - a * r;
                     },
                     std::bit_cast<double>(0x40edd1fcccccccd4ull)}),  // 61071.900000000052
    ToDoubleName);

TEST(ExtendedOrder, RunsFromMinusInfinityToInfinity) {
  const Extended ascending[] = {
      Negated(Infinity()),  Negated(kLargest),  Negated(Uint(1)), Negated(kSmallestSubnormal),
      Extended(),           kSmallestSubnormal, Power(-16382),    Uint(1),
      Uint(1) + Power(-63), kLargest,           Infinity()};
  for (std::size_t i = 0; i + 1 < std::size(ascending); ++i) {
    EXPECT_TRUE(ascending[i] < ascending[i + 1]) << "at " << i;
    EXPECT_TRUE((ascending[i + 1] <=> ascending[i]) == std::partial_ordering::greater) << "at " << i;
    EXPECT_FALSE(ascending[i] == ascending[i + 1]) << "at " << i;
  }
}

TEST(ExtendedOrder, ZerosAreEqualAndNaNIsUnordered) {
  EXPECT_TRUE(NegativeZero() == Extended());
  EXPECT_TRUE(NegativeZero().IsNegative());
  EXPECT_TRUE(NegativeZero().IsZero());
  EXPECT_FALSE(NaN() == NaN());
  EXPECT_TRUE((NaN() <=> Uint(1)) == std::partial_ordering::unordered);
  EXPECT_TRUE((Uint(1) <=> NaN()) == std::partial_ordering::unordered);
}

TEST(ExtendedClassification, TellsEachKindApart) {
  EXPECT_TRUE(NaN().IsNaN());
  EXPECT_FALSE(NaN().IsInfinite());
  EXPECT_TRUE(Infinity().IsInfinite());
  EXPECT_FALSE(Infinity().IsNaN());
  EXPECT_FALSE(kSmallestSubnormal.IsZero());
  EXPECT_FALSE(kLargest.IsInfinite());
  EXPECT_TRUE(Double(std::numeric_limits<double>::quiet_NaN()).IsNaN());
  EXPECT_TRUE(NaN().Abs().IsNaN());
}

TEST(ExtendedToUint64, GivesBackEveryBitOfAnInteger) {
  for (const std::uint64_t value : {0ull, 1ull, 10ull, 999'999'999'999'999'999ull, 1ull << 63, ~0ull}) {
    EXPECT_EQ(Uint(value).ToUint64(), value);
  }
  EXPECT_EQ((Double(1e18) / Uint(10)).RoundToInteger().ToUint64(), 100'000'000'000'000'000ull);
}

// Seeded property: integer arithmetic that fits 64 bits is exact, and every
// double survives the round trip through Extended.
TEST(ExtendedProperty, SixtyFourBitIntegerArithmeticAndDoubleRoundTripsAreExact) {
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  const auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  for (int i = 0; i < 20'000; ++i) {
    const std::uint64_t a = next() >> 32, b = (next() >> 32) | 1;
    const Extended product = Uint(a) * Uint(b);
    ASSERT_EQ(product.ToUint64(), a * b) << a << " * " << b;
    ASSERT_TRUE(product / Uint(b) == Uint(a)) << a << " * " << b << " / " << b;
    ASSERT_EQ((product + Uint(a)).ToUint64(), a * b + a) << a << " * " << b << " + " << a;

    const double value = std::bit_cast<double>(next());
    if (std::isnan(value)) continue;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(Double(value).ToDouble()), std::bit_cast<std::uint64_t>(value))
        << value;
  }
}

}  // namespace
