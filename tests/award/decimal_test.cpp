// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

#include "award/decimal_text.h"

namespace {

using award::Decimal;
using award::Integer;
using award::Rounding;

struct QuotientRow {
  std::string name;
  Integer numerator;
  Integer denominator;
  Rounding rounding;
  Integer quotient;
};

TEST(RoundQuotient, HalvesAndSignsInEachRounding) {
  const QuotientRow rows[] = {
      {"HalfUpPositiveTie", 1, 2, Rounding::HalfUp, 1},
      {"HalfUpNegativeTieGoesUp", -1, 2, Rounding::HalfUp, 0},
      {"HalfUpNegativeAboveTie", -3, 5, Rounding::HalfUp, -1},
      {"HalfUpEvenTieStillUp", 5, 2, Rounding::HalfUp, 3},
      {"HalfUpBelowTie", 4999, 10000, Rounding::HalfUp, 0},
      {"HalfAwayPositiveTie", 1, 2, Rounding::HalfAwayFromZero, 1},
      {"HalfAwayNegativeTie", -1, 2, Rounding::HalfAwayFromZero, -1},
      {"HalfAwayNegativeBelowTie", -1234564999, 100, Rounding::HalfAwayFromZero, -12345650},
      {"HalfAwayNegativeJustBelowTie", -249, 100, Rounding::HalfAwayFromZero, -2},
      {"TruncatePositive", 123459999, 10000, Rounding::TowardZero, 12345},
      {"TruncateNegative", -123459999, 10000, Rounding::TowardZero, -12345},
      {"ThirdsHaveNoTie", 2000000, 3, Rounding::HalfUp, 666667},
      {"ExactStaysExact", 176050700, 2, Rounding::HalfAwayFromZero, 88025350},
      {"BeyondSixtyFourBits", Integer("123456789012345678901234567890"), Integer("10000000000"),
       Rounding::HalfUp, Integer("12345678901234567890")},
  };
  for (const QuotientRow& row : rows) {
    EXPECT_EQ(award::RoundQuotient(row.numerator, row.denominator, row.rounding), row.quotient) << row.name;
    // The same on the 64-bit integer, which divides natively.
    if (row.numerator > std::numeric_limits<std::int64_t>::max()) continue;
    const award::Int64 quotient =
        award::RoundQuotient(award::Int64(row.numerator.convert_to<std::int64_t>()),
                             award::Int64(row.denominator.convert_to<std::int64_t>()), row.rounding);
    EXPECT_EQ(Integer(static_cast<std::int64_t>(quotient)), row.quotient) << row.name << " on 64 bits";
  }
}

TEST(PowerOfTen, BeyondTheTable) {
  EXPECT_EQ(award::PowerOfTen<Integer>(0), 1);
  EXPECT_EQ(award::PowerOfTen<Integer>(70), Integer("1" + std::string(70, '0')));
  EXPECT_EQ(award::PowerOfTen<award::Int64>(18), 1'000'000'000'000'000'000);
  EXPECT_THROW(award::PowerOfTen<award::Int64>(19), std::overflow_error);
}

struct ReadRow {
  std::string name;
  std::string text;
  char separator;
  std::optional<std::string> units;  // nothing: no digit and no separator kept
  int places;
};

TEST(ReadDecimal, KeepsEveryDigitAndTheFirstSeparator) {
  const ReadRow rows[] = {
      {"ThousandsMarksDropped", "1.234.567,89", ',', "123456789", 2},
      {"PointSeparator", "12.5", '.', "125", 1},
      {"LeadingZerosAreNotOctal", "0012,50", ',', "1250", 2},
      {"TrailingZerosKeepTheirPlaces", "12,3450", ',', "123450", 4},
      {"SecondSeparatorDropped", "1,2,3", ',', "123", 2},
      {"SignAndSpacesDropped", " -3 €", ',', "3", 0},
      {"SeparatorAloneIsZero", ",", ',', "0", 0},
      {"NineteenDigitsTheMostOfTheQuickRead", "999999999,9999999999", ',', "9999999999999999999", 10},
      {"TwentyDigits", "9999999999,9999999999", ',', "99999999999999999999", 10},
      {"BeyondAnyDouble", "123456789012345678901234567890,123456789", ',',
       "123456789012345678901234567890123456789", 9},
      {"Empty", "", ',', std::nullopt, 0},
      {"LettersOnly", "abc", ',', std::nullopt, 0},
  };
  for (const ReadRow& row : rows) {
    const std::optional<Decimal> read = award::ReadDecimal(row.text, row.separator);
    ASSERT_EQ(read.has_value(), row.units.has_value()) << row.name;
    if (!read) continue;
    EXPECT_EQ(read->units, Integer(*row.units)) << row.name;
    EXPECT_EQ(read->places, row.places) << row.name;
  }
}

// As written: a typed and a pasted text read the same, and a mark that does
// not group three digits of the whole part is refused, not dropped.
TEST(ReadWrittenDecimal, MarksGroupThreeDigitsOfTheWholePart) {
  using Fault = award::WrittenDecimal::Fault;
  const struct {
    std::string name;
    std::string text;
    char separator;
    Fault fault;
    std::string units;  // when read
    int places;
  } rows[] = {
      {"Grouped", "30.000,00", ',', Fault::None, "3000000", 2},
      {"Plain", "30000", ',', Fault::None, "30000", 0},
      {"Millions", "1.234.567", ',', Fault::None, "1234567", 0},
      {"PointSeparatorCommaMarks", "30,000.5", '.', Fault::None, "300005", 1},
      {"SpacesAndEuroDropped", " € 30.000 ", ',', Fault::None, "30000", 0},
      {"SeparatorAloneIsZero", ",", ',', Fault::None, "0", 0},
      {"ShortGroup", "30.5", ',', Fault::Misgrouped, "", 0},
      {"LongGroup", "30.0000", ',', Fault::Misgrouped, "", 0},
      {"LongFirstGroup", "3000.000", ',', Fault::Misgrouped, "", 0},
      {"MarkFirst", ".500", ',', Fault::Misgrouped, "", 0},
      {"MarkLast", "30.", ',', Fault::Misgrouped, "", 0},
      {"MarkAmongThePlaces", "1,000.000", ',', Fault::Misgrouped, "", 0},
      {"SecondSeparator", "1,5,5", ',', Fault::Misgrouped, "", 0},
      {"LettersOnly", "abc", ',', Fault::NoDigits, "", 0},
  };
  for (const auto& row : rows) {
    const award::WrittenDecimal read = award::ReadWrittenDecimal(row.text, row.separator);
    EXPECT_EQ(read.fault, row.fault) << row.name;
    if (read.fault != Fault::None || row.fault != Fault::None) continue;
    EXPECT_EQ(read.decimal.units, Integer(row.units)) << row.name;
    EXPECT_EQ(read.decimal.places, row.places) << row.name;
  }
}

struct ShowRow {
  std::string name;
  Decimal decimal;
  char separator;
  bool grouped;
  std::string text;
};

TEST(DecimalText, SeparatorAndThousands) {
  const ShowRow rows[] = {
      {"Grouped", {88025350, 2}, ',', true, "880.253,50"},
      {"Plain", {88025350, 2}, ',', false, "880253,50"},
      {"GroupedUnderPoint", {88025350, 2}, '.', true, "880,253.50"},
      {"ThreeDigitsNoMark", {99999, 2}, ',', true, "999,99"},
      {"FourDigits", {100000, 2}, ',', true, "1.000,00"},
      {"SevenDigits", {1738068400, 2}, ',', true, "17.380.684,00"},
      {"Negative", {-123456789, 2}, ',', true, "-1.234.567,89"},
      {"BelowOne", {5, 2}, ',', true, "0,05"},
      {"NegativeBelowOne", {-5, 6}, ',', false, "-0,000005"},
      {"NoPlaces", {12, 0}, ',', true, "12"},
      {"Zero", {0, 2}, ',', true, "0,00"},
      {"BeyondSixtyFourBits",
       {Integer("-123456789012345678901234567890"), 2},
       ',',
       true,
       "-1.234.567.890.123.456.789.012.345.678,90"},
      {"LargestOfSixtyFourBits",
       {Integer("18446744073709551615"), 4},
       ',',
       true,
       "1.844.674.407.370.955,1615"},
      {"ZerosInsideALowerChunk",
       {Integer("-100000000000000000000000000000000000005"), 0},
       ',',
       false,
       "-100000000000000000000000000000000000005"},
      {"ChunkOfNineteenDigits", {Integer("10000000000000000000"), 19}, ',', true, "1,0000000000000000000"},
      {"PlacesBeyondTheDigits",
       {Integer("123456789012345678901"), 30},
       ',',
       true,
       "0,000000000123456789012345678901"},
      {"LongerThanTheCommonCase",
       {Integer("123456789012345678901234567890123456789012345"), 3},
       '.',
       true,
       "123,456,789,012,345,678,901,234,567,890,123,456,789,012.345"},
  };
  for (const ShowRow& row : rows) {
    EXPECT_EQ(award::DecimalText(row.decimal, row.separator, row.grouped), row.text) << row.name;
  }
}

}  // namespace
