// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal_text.h"

#include <cstddef>

#include "calc/amount.h"

namespace award {
namespace {

// The whole part's digits, a mark between every three from the right.
std::string Grouped(std::string_view digits, char mark) {
  std::string grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += mark;
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

std::optional<Decimal> ReadDecimal(std::string_view text, char separator) {
  const std::string kept = calc::KeptText(text, separator);
  if (kept.empty()) return std::nullopt;
  std::string digits;
  digits.reserve(kept.size());
  int places = 0;
  bool afterSeparator = false;
  for (const char c : kept) {
    if (c == separator && !afterSeparator) {
      afterSeparator = true;
      continue;
    }
    digits += c;
    if (afterSeparator) ++places;
  }
  // cpp_int reads a leading 0 as an octal prefix: the digits go in without it.
  const std::size_t first = digits.find_first_not_of('0');
  return Decimal{.units = first == std::string::npos ? Integer(0) : Integer(digits.substr(first)),
                 .places = places};
}

std::string ShowDecimal(const Decimal& decimal, char separator, bool grouped) {
  std::string digits = Integer(abs(decimal.units)).str();
  const std::size_t places = static_cast<std::size_t>(decimal.places);
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  const std::string_view whole = std::string_view(digits).substr(0, digits.size() - places);
  std::string text = decimal.units < 0 ? "-" : "";
  text += grouped ? Grouped(whole, separator == '.' ? ',' : '.') : std::string(whole);
  if (places > 0) text += separator + digits.substr(digits.size() - places);
  return text;
}

}  // namespace award
