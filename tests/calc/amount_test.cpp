// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/amount.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"

namespace {

using calc::AmountFromText;
using calc::CalcError;
using calc::ErrorKind;

std::string Repeat(char c, std::size_t count) { return std::string(count, c); }

// One reading: the amount text, the kept text, and either the value or the
// error it raises.
struct AmountRow {
  std::string name;
  char separator;
  std::string text;
  std::string kept;
  std::optional<double> value;  // empty: an error is expected
  ErrorKind error = ErrorKind::Conversion;
};

void PrintTo(const AmountRow& row, std::ostream* out) { *out << row.name; }

class AmountTable : public testing::TestWithParam<AmountRow> {};

TEST_P(AmountTable, KeepsAndConverts) {
  const AmountRow& row = GetParam();
  EXPECT_EQ(calc::KeptText(row.text, row.separator), row.kept);
  if (row.value) {
    const double value = AmountFromText(row.text, row.separator);
    EXPECT_EQ(value, *row.value);
    EXPECT_FALSE(std::signbit(value));
    return;
  }
  try {
    AmountFromText(row.text, row.separator);
    FAIL() << "no error raised";
  } catch (const CalcError& error) {
    EXPECT_EQ(error.kind(), row.error);
    const std::string expected = row.error == ErrorKind::Conversion
                                     ? "'" + row.kept + "' is not a valid floating point value"
                                     : "Floating point overflow";
    EXPECT_EQ(std::string(error.what()), expected);
  }
}

std::string RowName(const testing::TestParamInfo<AmountRow>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    CommaSeparator, AmountTable,
    testing::Values(AmountRow{"Empty", ',', "", "", std::nullopt},
                    AmountRow{"SeparatorAlone", ',', ",", ",", 0.0},
                    AmountRow{"OnlyFraction", ',', ",5", ",5", 0.5},
                    AmountRow{"TrailingSeparator", ',', "5,", "5,", 5.0},
                    AmountRow{"DoubleSeparator", ',', ",,5", ",5", 0.5},
                    AmountRow{"LeadingZeros", ',', "007", "007", 7.0},
                    AmountRow{"ThousandsPoints", ',', "1.234.567,89", "1234567,89", 1234567.89},
                    AmountRow{"MinusDropped", ',', "-12,5", "12,5", 12.5},
                    AmountRow{"LaterSeparatorsDropped", ',', "1,2,3", "1,23", 1.23},
                    AmountRow{"PastedPoint", ',', "1.5", "15", 15.0},
                    AmountRow{"ExponentLetterDropped", ',', "1e5", "15", 15.0},
                    AmountRow{"Spaces", ',', " 1 234,5 ", "1234,5", 1234.5},
                    AmountRow{"LettersOnly", ',', "abc", "", std::nullopt},
                    AmountRow{"LoneMinus", ',', "-", "", std::nullopt},
                    AmountRow{"TwentyThreeDigits", ',', "12345678901234567890123", "12345678901234567890123",
                              12345678901234567890123.0},
                    AmountRow{"TenToThe308", ',', "1" + Repeat('0', 308), "1" + Repeat('0', 308), 1e308},
                    AmountRow{"TenToThe309Overflows", ',', "1" + Repeat('0', 309), "1" + Repeat('0', 309),
                              std::nullopt, ErrorKind::Overflow},
                    AmountRow{"TinyFractionIsZero", ',', "0," + Repeat('0', 400) + "1",
                              "0," + Repeat('0', 400) + "1", 0.0},
                    AmountRow{"SubnormalFraction", ',', "0," + Repeat('0', 322) + "5",
                              "0," + Repeat('0', 322) + "5", 5e-323}),
    RowName);

INSTANTIATE_TEST_SUITE_P(PointSeparator, AmountTable,
                         testing::Values(AmountRow{"CommaDropped", '.', "12,5", "125", 125.0},
                                         AmountRow{"CommaThousands", '.', "1.234,56", "1.23456", 1.23456},
                                         AmountRow{"Point", '.', "1.5", "1.5", 1.5},
                                         AmountRow{"LoneComma", '.', ",", "", std::nullopt}),
                         RowName);

// A separator that is neither "," nor ".": its first occurrence is kept and
// every "," and "." is dropped.
INSTANTIATE_TEST_SUITE_P(OtherSeparator, AmountTable,
                         testing::Values(AmountRow{"ApostropheKept", '\'', "1.234,5'25'7", "12345'257",
                                                   12345.257},
                                         AmountRow{"ApostropheAlone", '\'', "'", "'", 0.0}),
                         RowName);

// The accumulated integer leaves the extended range: a conversion error that
// quotes the whole kept text, whatever part of it follows the separator.
// Near the largest extended value (about 1.18973149535723176502e4932) the
// rounded accumulation decides, not the exact integer: the first text below
// is smaller than that value, yet ×10 rounding carries it beyond.
INSTANTIATE_TEST_SUITE_P(
    ExtendedRange, AmountTable,
    testing::Values(AmountRow{"IntegerBeyondExtended", ',', "1" + Repeat('0', 4933), "1" + Repeat('0', 4933),
                              std::nullopt},
                    AmountRow{"BeyondExtendedAfterSeparator", ',', "x,1" + Repeat('0', 4933) + "y",
                              ",1" + Repeat('0', 4933), std::nullopt},
                    AmountRow{"RoundedAccumulationOverflows", ',', "11897314953572317649" + Repeat('0', 4913),
                              "11897314953572317649" + Repeat('0', 4913), std::nullopt},
                    AmountRow{"RoundedAccumulationStaysFiniteThenDoubleOverflows", ',',
                              "11897314953572317648" + Repeat('0', 4913),
                              "11897314953572317648" + Repeat('0', 4913), std::nullopt, ErrorKind::Overflow},
                    AmountRow{"BelowExtendedMaximumBeyondDouble", ',', "1" + Repeat('0', 4932) + ",",
                              "1" + Repeat('0', 4932) + ",", std::nullopt, ErrorKind::Overflow},
                    AmountRow{"ExtendedMaximumScaledDown", ',', "1," + Repeat('0', 4932),
                              "1," + Repeat('0', 4932), 1.0}),
    RowName);

// The double overflow is decided on the rounded double: an accumulation just
// above the largest double that rounds to it gives the largest double.
INSTANTIATE_TEST_SUITE_P(
    DoubleRange, AmountTable,
    testing::Values(AmountRow{"RoundsDownToLargestDouble", ',', "17976931348623158" + Repeat('0', 292),
                              "17976931348623158" + Repeat('0', 292), DBL_MAX},
                    AmountRow{"AccumulationBelowHalfUlpBeyond", ',', "1797693134862315808" + Repeat('0', 290),
                              "1797693134862315808" + Repeat('0', 290), DBL_MAX},
                    AmountRow{"RoundsUpToOverflow", ',', "17976931348623159" + Repeat('0', 292),
                              "17976931348623159" + Repeat('0', 292), std::nullopt, ErrorKind::Overflow}),
    RowName);

TEST(AmountFromText, UsesTheProcessWideSeparator) {
  calc::SetDecimalSeparator(',');
  EXPECT_EQ(AmountFromText("12,5"), 12.5);
  calc::SetDecimalSeparator('.');
  EXPECT_EQ(AmountFromText("12,5"), 125.0);
}

// Nineteen digits are accumulated exactly; the twentieth is the first that
// the rounded accumulation may round.
TEST(AmountFromText, NineteenDigitsAreExact) {
  EXPECT_EQ(AmountFromText("9999999999999999999", ','), 9999999999999999999.0);
  EXPECT_EQ(AmountFromText("0,0000000000000000001", ','), 1e-19);
}

// Beyond the reach of the power-of-ten tables (5,120 or more digits after the
// separator) the value is the accumulated integer divided by 10^k.
TEST(AmountFromText, FractionBeyondTheTables) {
  const std::string zeros = Repeat('0', 5200);
  EXPECT_EQ(AmountFromText("0," + zeros + "1", ','), 0.0);
  // 25 × 10^4930 / 10^5130 = 2.5 × 10^-199, well inside the double range.
  const double value = AmountFromText("0," + Repeat('0', 198) + "25" + Repeat('0', 4930), ',');
  EXPECT_NEAR(value / 2.5e-199, 1.0, 1e-15);
  // 10^4931 / 10^5119 and / 10^5120 on either side of the tables' reach.
  const double inside = AmountFromText("0," + Repeat('0', 187) + "1" + Repeat('0', 4931), ',');
  const double beyond = AmountFromText("0," + Repeat('0', 188) + "1" + Repeat('0', 4931), ',');
  EXPECT_NEAR(inside / 1e-188, 1.0, 1e-15);
  EXPECT_NEAR(beyond / 1e-189, 1.0, 1e-15);
}

// A megabyte of digits overflows the extended range; it is read in one pass.
TEST(AmountFromText, MegabyteOfDigits) {
  const std::string text(1 << 20, '7');
  try {
    AmountFromText(text, ',');
    FAIL() << "no error raised";
  } catch (const CalcError& error) {
    EXPECT_EQ(error.kind(), ErrorKind::Conversion);
    EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid floating point value");
  }
  const std::string fraction = "0," + std::string(1 << 20, '3');
  EXPECT_THROW(AmountFromText(fraction, ','), CalcError);
}

// Whatever the text, a reading is never negative and, for a text of the
// characters an amount field may hold, never far from the exact decimal.
TEST(AmountFromText, RandomTextsNeverNegative) {
  std::mt19937 random(20260408);
  const std::string alphabet = "0123456789,.-+ eE€abc";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    for (int n = length(random); n > 0; --n) text += alphabet[pick(random)];
    try {
      const double value = AmountFromText(text, ',');
      EXPECT_FALSE(std::signbit(value)) << text;
      EXPECT_TRUE(std::isfinite(value)) << text;
      const std::string kept = calc::KeptText(text, ',');
      std::string c = kept;
      for (char& ch : c) ch = ch == ',' ? '.' : ch;
      const double reference = c == "." ? 0.0 : std::strtod(c.c_str(), nullptr);
      EXPECT_NEAR(value, reference, std::fabs(reference) * 4e-16) << text;
    } catch (const CalcError& error) {
      EXPECT_EQ(error.kind(), ErrorKind::Conversion) << text;
      EXPECT_TRUE(calc::KeptText(text, ',').empty()) << text;
    }
  }
}

}  // namespace
