// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/format_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "calc/decimal_separator.h"

namespace {

using calc::FormatNumber;

struct FormatRow {
  std::string name;
  double value;
  std::string text;  // with "," as the separator
};

void PrintTo(const FormatRow& row, std::ostream* out) { *out << row.name; }

class FormatTable : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatTable, CommaSeparator) { EXPECT_EQ(FormatNumber(GetParam().value, ','), GetParam().text); }

TEST_P(FormatTable, PointSeparator) {
  std::string text = GetParam().text;
  for (char& c : text) c = c == ',' ? '.' : c;
  EXPECT_EQ(FormatNumber(GetParam().value, '.'), text);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Ordinary, FormatTable,
                         testing::Values(FormatRow{"Fraction", 1234.5, "1234,5"},
                                         FormatRow{"OneTenth", 0.1, "0,1"}, FormatRow{"Hundred", 100, "100"},
                                         FormatRow{"Negative", -2.5, "-2,5"},
                                         FormatRow{"OneThird", 1.0 / 3.0, "0,333333333333333"},
                                         FormatRow{"TwoThirdsRoundsUp", 2.0 / 3.0, "0,666666666666667"},
                                         FormatRow{"PointOnePlusPointTwo", 0.1 + 0.2, "0,3"}),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    FifteenDigits, FormatTable,
    testing::Values(FormatRow{"HalfAwayFromZero", 1e14 + 0.5, "100000000000001"},
                    FormatRow{"SixteenthDigitRoundsUp", 123456789012345.6, "123456789012346"},
                    FormatRow{"LargestFixed", 999999999999999, "999999999999999"},
                    FormatRow{"RoundsUpToTenToThe15", 999999999999999.5, "1E15"},
                    FormatRow{"TenToThe15", 1e15, "1E15"}, FormatRow{"TenToThe16", 1e16, "1E16"},
                    FormatRow{"EighteenDigits", 123456789012345678.0, "1,23456789012346E17"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Small, FormatTable,
                         testing::Values(FormatRow{"SmallestFixed", 0.0001, "0,0001"},
                                         FormatRow{"FixedWithZeros", 0.000123, "0,000123"},
                                         FormatRow{"TenToTheMinus5", 0.00001, "1E-5"},
                                         FormatRow{"TenToTheMinus6", 0.000001, "1E-6"},
                                         FormatRow{"ScientificFraction", 1.5e-7, "1,5E-7"},
                                         FormatRow{"NegativeScientific", -1.5e-7, "-1,5E-7"}),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Extremes, FormatTable,
    testing::Values(FormatRow{"TenToThe100", 1e100, "1E100"},
                    FormatRow{"LargestDouble", DBL_MAX, "1,79769313486232E308"},
                    FormatRow{"NegativeLargestDouble", -DBL_MAX, "-1,79769313486232E308"},
                    FormatRow{"SmallestNormal", DBL_MIN, "2,2250738585072E-308"},
                    FormatRow{"SmallestSubnormal", 0x1p-1074, "4,94065645841247E-324"},
                    FormatRow{"NegativeSmallestSubnormal", -0x1p-1074, "-4,94065645841247E-324"},
                    FormatRow{"Zero", 0.0, "0"}, FormatRow{"NegativeZero", -0.0, "0"},
                    FormatRow{"Infinity", kInfinity, "INF"},
                    FormatRow{"NegativeInfinity", -kInfinity, "-INF"},
                    FormatRow{"NaN", std::numeric_limits<double>::quiet_NaN(), "NAN"},
                    FormatRow{"NegativeNaN", -std::numeric_limits<double>::quiet_NaN(), "NAN"}),
    [](const auto& info) { return info.param.name; });

// The decimal form of a result text: significant digits and X, the value
// being 0.digits × 10^X.
struct DecimalForm {
  std::string digits;
  int exponent;
  friend bool operator==(const DecimalForm&, const DecimalForm&) = default;
};

std::ostream& operator<<(std::ostream& out, const DecimalForm& form) {
  return out << "0." << form.digits << "E" << form.exponent;
}

DecimalForm ParseResultText(std::string text) {
  if (text[0] == '-') text.erase(0, 1);
  int shown = 0;
  if (const auto e = text.find('E'); e != std::string::npos) {
    shown = std::stoi(text.substr(e + 1));
    text.erase(e);
  }
  const auto point = text.find(',');
  const int integerDigits = static_cast<int>(point == std::string::npos ? text.size() : point);
  if (point != std::string::npos) text.erase(point, 1);
  const auto first = text.find_first_not_of('0');
  const auto last = text.find_last_not_of('0');
  return {text.substr(first, last - first + 1), integerDigits - static_cast<int>(first) + shown};
}

// The exact decimal value rounded half away from zero at 15 significant
// digits; empty when the digits 16 to 20 lie so near a tie that the 18-digit
// window (the scaled value rounded to an integer, within one unit of its last
// digit of the exact digits) may decide otherwise.
std::optional<DecimalForm> ExactRounding(double magnitude) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%.40e", magnitude);  // exact to 41 digits
  std::string digits(1, buffer[0]);
  digits += std::string(buffer + 2, 40);
  const int exponent = std::atoi(std::strchr(buffer, 'e') + 1) + 1;
  const int around = std::stoi(digits.substr(15, 5));
  if (around >= 49800 && around <= 50200) return std::nullopt;
  std::string kept = digits.substr(0, 15);
  int x = exponent;
  if (digits[15] >= '5') {
    int i = 14;
    for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i) kept[static_cast<std::size_t>(i)] = '0';
    if (i < 0) {
      kept = "1";
      ++x;
    } else {
      ++kept[static_cast<std::size_t>(i)];
    }
  }
  kept.erase(kept.find_last_not_of('0') + 1);
  return DecimalForm{kept, x};
}

// The shape every result text keeps.
void ExpectWellFormed(const std::string& text, double value) {
  EXPECT_LE(text.size(), 22u) << text;
  EXPECT_EQ(text.find('+'), std::string::npos) << text;
  EXPECT_EQ(text.find(' '), std::string::npos) << text;
  const std::string mantissa = text.substr(0, text.find('E'));
  EXPECT_NE(mantissa.back(), ',') << text;
  if (mantissa.find(',') != std::string::npos) {
    EXPECT_NE(mantissa.back(), '0') << text;
  }
  EXPECT_EQ(text[0] == '-', value < 0) << text;
}

void ExpectExactRounding(double value) {
  const std::string text = FormatNumber(value, ',');
  ExpectWellFormed(text, value);
  if (const auto expected = ExactRounding(std::fabs(value))) {
    EXPECT_EQ(ParseResultText(text), *expected) << text << " for " << value;
  }
}

// Next to every power of ten the estimate of the decimal exponent is most
// easily off by one, in either direction.
TEST(FormatNumber, NeighboursOfPowersOfTen) {
  for (int m = -323; m <= 308; ++m) {
    const double power = std::strtod(("1e" + std::to_string(m)).c_str(), nullptr);
    const double below = std::nextafter(power, 0.0);
    for (const double value : {power, below, std::nextafter(power, kInfinity), std::nextafter(below, 0.0)})
      if (value != 0) ExpectExactRounding(value);
  }
}

// The bottom of each binade: for negative binary exponents the estimate of
// the decimal exponent from the binary one may be one too large.
TEST(FormatNumber, PowersOfTwo) {
  for (int k = -1074; k <= 1023; ++k) {
    ExpectExactRounding(std::ldexp(1.0, k));
    ExpectExactRounding(std::nextafter(std::ldexp(1.0, k + 1), 0.0));
  }
}

// Random doubles of every exponent and random decimal amounts: every text is
// well formed and is the exact value rounded half away from zero at the 15th
// digit (unless the exact digits lie next to a tie).
TEST(FormatNumber, RandomDoublesRoundAtTheFifteenthDigit) {
  std::mt19937_64 random(20260408);
  for (int i = 0; i < 200000; ++i) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value) || value == 0) continue;
    ExpectExactRounding(value);
  }
  std::uniform_int_distribution<std::int64_t> cents(0, 99999999999999);
  for (int i = 0; i < 100000; ++i) ExpectExactRounding(static_cast<double>(cents(random)) / 100.0);
}

TEST(FormatNumber, UsesTheProcessWideSeparator) {
  calc::SetDecimalSeparator(',');
  EXPECT_EQ(FormatNumber(1.5e-7), "1,5E-7");
  calc::SetDecimalSeparator('.');
  EXPECT_EQ(FormatNumber(1234.5), "1234.5");
}

}  // namespace
