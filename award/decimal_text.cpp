// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "calc/amount.h"

namespace award {
namespace {

constexpr std::size_t kDigitsOf64Bits = 19;

// The magnitude's decimal digits; through the C++ library's conversion when
// it fits 64 bits, the common case, which cpp_int's own is slow at.
std::string Digits(const Integer& value) {
  const Integer magnitude = abs(value);
  if (magnitude > std::numeric_limits<std::uint64_t>::max()) return magnitude.str();
  char buffer[24];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude.convert_to<std::uint64_t>()).ptr;
  return std::string(buffer, end);
}

}  // namespace

std::optional<Decimal> ReadDecimal(std::string_view text, char separator) {
  const std::string kept = calc::KeptText(text, separator);
  if (kept.empty()) return std::nullopt;
  const std::size_t at = kept.find(separator);
  const int places = at == std::string::npos ? 0 : static_cast<int>(kept.size() - at - 1);
  std::string digits = kept;
  if (at != std::string::npos) digits.erase(at, 1);
  // cpp_int reads a leading 0 as an octal prefix: the digits go in without it.
  // Up to 19 digits fit an unsigned 64-bit integer, read without the parser.
  const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
  const std::string_view significant = std::string_view(digits).substr(first);
  Decimal decimal{.units = 0, .places = places};
  if (significant.size() <= kDigitsOf64Bits) {
    std::uint64_t units = 0;
    std::from_chars(significant.data(), significant.data() + significant.size(), units);
    decimal.units = units;
  } else {
    decimal.units = Integer(significant);
  }
  return decimal;
}

std::string ShowDecimal(const Decimal& decimal, char separator, bool grouped) {
  const std::string digits = Digits(decimal.units);
  const std::size_t places = static_cast<std::size_t>(decimal.places);
  const std::size_t wholeSize = digits.size() > places ? digits.size() - places : 1;
  std::string text;
  text.reserve(wholeSize + wholeSize / 3 + places + 2);
  if (decimal.units < 0) text += '-';
  // The whole part, with its leading zero when it has no digit of its own.
  const std::string_view whole =
      std::string_view(digits).substr(0, digits.size() - std::min(places, digits.size()));
  if (whole.empty()) text += '0';
  const char mark = separator == '.' ? ',' : '.';
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (grouped && i > 0 && (whole.size() - i) % 3 == 0) text += mark;
    text += whole[i];
  }
  if (places == 0) return text;
  text += separator;
  if (digits.size() < places) text.append(places - digits.size(), '0');
  text += std::string_view(digits).substr(digits.size() - std::min(places, digits.size()));
  return text;
}

}  // namespace award
