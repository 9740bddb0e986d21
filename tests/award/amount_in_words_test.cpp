// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/amount_in_words.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using award::Decimal;
using award::Integer;

struct WordsRow {
  std::string cents;                 // the amount in cents
  std::optional<std::string> words;  // nothing: not written in words
};

void ExpectWords(const WordsRow& row) {
  const Decimal amount{.units = Integer(row.cents), .places = 2};
  EXPECT_EQ(award::AmountInWords(amount), row.words) << row.cents << " cents";
}

TEST(AmountInWords, TheTableOfTheIssue) {
  const WordsRow rows[] = {
      {"2100", "ventuno/00"},
      {"2300", "ventitré/00"},
      {"2800", "ventotto/00"},
      {"10100", "centouno/00"},
      {"10300", "centotré/00"},
      {"10800", "centotto/00"},
      {"18000", "centottanta/00"},
      {"100000", "mille/00"},
      {"100100", "milleuno/00"},
      {"200000", "duemila/00"},
      {"2100000", "ventunmila/00"},
      {"2300000", "ventitremila/00"},
      {"100000000", "unmilione/00"},
      {"100000300", "unmilionetré/00"},
      {"2100000000", "ventunmilioni/00"},
      {"100000000000", "unmiliardo/00"},
      {"88025350", "ottocentottantamiladuecentocinquantatré/50"},
      {"1738068400", "diciassettemilionitrecentottantamilaseicentottantaquattro/00"},
  };
  for (const WordsRow& row : rows) ExpectWords(row);
}

TEST(AmountInWords, Corners) {
  const WordsRow rows[] = {
      // "tré" only for a compound: three alone, and three before a multiplier, keep "tre".
      {"300", "tre/00"},
      {"1300", "tredici/00"},
      {"300000", "tremila/00"},
      {"300000300", "tremilionitré/00"},
      // Elision of the tens and of "cento" inside every group.
      {"8100", "ottantuno/00"},
      {"18800", "centottantotto/00"},
      {"88800", "ottocentottantotto/00"},
      {"10000000", "centomila/00"},
      {"10100000", "centounmila/00"},
      {"8100000000000", "ottantunmiliardi/00"},
      // Cents alone, and a zero in the cents' tens.
      {"0", "zero/00"},
      {"7", "zero/07"},
      {"100", "uno/00"},
      {"99999999999999",
       "novecentonovantanovemiliardinovecentonovantanovemilioninovecentonovantanovemila"
       "novecentonovantanove/99"},
      // Beyond the largest amount, and below zero: not written.
      {"100000000000000", std::nullopt},
      {"-1", std::nullopt},
  };
  for (const WordsRow& row : rows) ExpectWords(row);
}

}  // namespace
