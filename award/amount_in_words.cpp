// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/amount_in_words.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <string>
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

// Appends 0..99; nothing for 0. "venti" + "uno" is "ventuno", "venti" +
// "otto" "ventotto".
void AppendBelowHundred(std::string& words, unsigned n) {
  if (n < kUnits.size()) {
    words += kUnits[n];
    return;
  }
  const unsigned unit = n % 10;
  words += kTens[n / 10];
  if (unit == 1 || unit == 8) words.pop_back();
  words += kUnits[unit];
}

// Appends 0..999; nothing for 0. "cento" + "otto" is "centotto", +
// "ottanta" "centottanta".
void AppendBelowThousand(std::string& words, unsigned n) {
  const unsigned hundreds = n / 100, rest = n % 100;
  if (hundreds > 0) {
    if (hundreds > 1) words += kUnits[hundreds];
    words += "cento";
    if (rest == 8 || rest / 10 == 8) words.pop_back();
  }
  AppendBelowHundred(words, rest);
}

// The words of 0..999, written once by AppendBelowThousand: a spreadsheet of
// bids asks for them millions of times.
std::string_view BelowThousand(unsigned n) {
  static const std::array<std::string, 1000> words = [] {
    std::array<std::string, 1000> table;
    for (unsigned i = 0; i < table.size(); ++i) AppendBelowThousand(table[i], i);
    return table;
  }();
  return words[n];
}

// Appends a group of three digits with its multiplier; nothing for 0. Before
// "mila", "milioni" or "miliardi" a final "uno" loses its "o" ("ventunmila").
void AppendGroup(std::string& words, unsigned n, std::string_view one, std::string_view many) {
  if (n == 0) return;
  if (n == 1) {
    words += one;
    return;
  }
  words += BelowThousand(n);
  if (words.ends_with("uno")) words.pop_back();
  words += many;
}

// Appends the whole euros; "zero" for none. A compound ending in "tre" ends
// in "tré".
void AppendWholeEuros(std::string& words, std::uint64_t euros) {
  const std::size_t start = words.size();
  AppendGroup(words, static_cast<unsigned>(euros / 1'000'000'000), "unmiliardo", "miliardi");
  AppendGroup(words, static_cast<unsigned>(euros / 1'000'000 % 1000), "unmilione", "milioni");
  AppendGroup(words, static_cast<unsigned>(euros / 1000 % 1000), "mille", "mila");
  words += BelowThousand(static_cast<unsigned>(euros % 1000));
  if (words.size() == start) words += "zero";
  if (words.size() - start > 3 && words.ends_with("tre")) words.replace(words.size() - 1, 1, "\u00E9");
}

}  // namespace

std::optional<std::string> AmountInWords(const Decimal& amount) {
  assert(amount.places == 2);
  if (amount.units < 0 || amount.units > kLargestAmountInWords.units) return std::nullopt;
  const auto cents = amount.units.convert_to<std::uint64_t>();
  const auto centsPart = static_cast<unsigned>(cents % 100);
  std::string words;
  words.reserve(128);
  AppendWholeEuros(words, cents / 100);
  words += '/';
  words += static_cast<char>('0' + centsPart / 10);
  words += static_cast<char>('0' + centsPart % 10);
  return words;
}

}  // namespace award
