// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/amount_in_words.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <string_view>

namespace award {

const Decimal kLargestAmountInWords{.units = Integer(99'999'999'999'999), .places = 2};

namespace {

constexpr std::array<std::string_view, 20> kUnits = {
    "",       "uno",         "due",      "tre",        "quattro", "cinque",  "sei",         "sette",
    "otto",   "nove",        "dieci",    "undici",     "dodici",  "tredici", "quattordici", "quindici",
    "sedici", "diciassette", "diciotto", "diciannove",
};

constexpr std::array<std::string_view, 10> kTens = {
    "", "", "venti", "trenta", "quaranta", "cinquanta", "sessanta", "settanta", "ottanta", "novanta",
};

// 0..99; empty for 0. "venti" + "uno" is "ventuno", "venti" + "otto" "ventotto".
std::string BelowHundred(unsigned n) {
  if (n < kUnits.size()) return std::string(kUnits[n]);
  std::string words(kTens[n / 10]);
  const unsigned unit = n % 10;
  if (unit == 1 || unit == 8) words.pop_back();
  return words + std::string(kUnits[unit]);
}

// 0..999; empty for 0. "cento" + "otto" is "centotto", + "ottanta" "centottanta".
std::string BelowThousand(unsigned n) {
  const unsigned hundreds = n / 100;
  std::string words = hundreds == 0 ? "" : std::string(hundreds == 1 ? "" : kUnits[hundreds]) + "cento";
  const std::string rest = BelowHundred(n % 100);
  if (hundreds > 0 && rest.starts_with("ott")) words.pop_back();
  return words + rest;
}

// A group of 2..999 before "mila", "milioni" or "miliardi": a final "uno"
// loses its "o" ("ventunmila").
std::string BeforeMultiplier(unsigned n) {
  std::string words = BelowThousand(n);
  if (words.ends_with("uno")) words.pop_back();
  return words;
}

// One group of three digits with its multiplier; empty for 0.
std::string Group(unsigned n, std::string_view one, std::string_view many) {
  if (n == 0) return "";
  if (n == 1) return std::string(one);
  return BeforeMultiplier(n) + std::string(many);
}

std::string WholeEuros(std::uint64_t euros) {
  std::string words = Group(static_cast<unsigned>(euros / 1'000'000'000), "unmiliardo", "miliardi") +
                      Group(static_cast<unsigned>(euros / 1'000'000 % 1000), "unmilione", "milioni") +
                      Group(static_cast<unsigned>(euros / 1000 % 1000), "mille", "mila") +
                      BelowThousand(static_cast<unsigned>(euros % 1000));
  if (words.empty()) return "zero";
  if (words.size() > 3 && words.ends_with("tre")) words.replace(words.size() - 1, 1, "\u00E9");
  return words;
}

}  // namespace

std::optional<std::string> AmountInWords(const Decimal& amount) {
  assert(amount.places == 2);
  if (amount.units < 0 || amount.units > kLargestAmountInWords.units) return std::nullopt;
  const auto cents = amount.units.convert_to<std::uint64_t>();
  const unsigned centsPart = static_cast<unsigned>(cents % 100);
  return WholeEuros(cents / 100) + "/" + std::to_string(centsPart / 10) + std::to_string(centsPart % 10);
}

}  // namespace award
