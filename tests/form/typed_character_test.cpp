// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/typed_character.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using form::KeptTypedCharacter;
using form::KeptTypedText;
using form::TypingRule;

constexpr TypingRule kMain = TypingRule::PointIsSeparator;

TEST(TypedCharacterTest, KeepsWhatAnAmountIsMadeOf) {
  for (char32_t typed : {U'0', U'5', U'9', U',', char32_t{8}, char32_t{127}}) {
    EXPECT_EQ(KeptTypedCharacter(typed, ',', kMain), static_cast<char>(typed)) << static_cast<int>(typed);
    EXPECT_EQ(KeptTypedCharacter(typed, '.', kMain), static_cast<char>(typed)) << static_cast<int>(typed);
  }
}

TEST(TypedCharacterTest, DiscardsEverythingElse) {
  for (char32_t typed : {U'a', U'E', U' ', U'-', U'+', U'%', U'/', U':', char32_t{13}, char32_t{27},
                         char32_t{3}, char32_t{22}, char32_t{0}, U'\u00e8', U'\u20ac', U'\U0001F600'}) {
    EXPECT_EQ(KeptTypedCharacter(typed, ',', kMain), std::nullopt) << static_cast<int>(typed);
  }
}

// A typed point is always the decimal point: it becomes the locale's
// separator, whichever that is; a typed comma is kept as typed.
TEST(TypedCharacterTest, APointBecomesTheDecimalSeparator) {
  const struct {
    char separator;
    const char* typed;
    const char* kept;
  } rows[] = {
      {',', "12.5", "12,5"}, {'.', "12.5", "12.5"},
      {'.', "1,5", "1,5"},   {',', "1.234.567,89", "1,234,567,89"},
      {'\'', "3.5", "3'5"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(KeptTypedText(row.typed, row.separator, kMain), row.kept) << row.typed;
}

TEST(TypedCharacterTest, ATypedTextLosesEveryOtherCharacterWhole) {
  EXPECT_EQ(KeptTypedText("1.a5", ',', kMain), "1,5");
  EXPECT_EQ(KeptTypedText("\xc3\xa8"
                          "7\xe2\x82\xac"
                          "1",
                          ',', kMain),
            "71");  // è 7 € 1
  EXPECT_EQ(KeptTypedText("- 12 +", ',', kMain), "12");
  EXPECT_EQ(KeptTypedText("", ',', kMain), "");
}

// The award check's own amounts keep what an amount is written with, so that
// typing and pasting the same characters read the same; the check then
// refuses a sign or a misplaced mark with its own line.
TEST(TypedCharacterTest, AnAwardAmountKeepsItsMarksAndSigns) {
  const struct {
    char separator;
    const char* typed;
    const char* kept;
  } rows[] = {
      {',', "30.000,00", "30.000,00"},
      {'.', "30,000.00", "30,000.00"},
      {',', "-3a0 0\xe2\x82\xac", "-300"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(KeptTypedText(row.typed, row.separator, TypingRule::AsWritten), row.kept) << row.typed;
  }
}

}  // namespace
