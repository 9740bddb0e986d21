// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>

#include "calc/amount.h"

namespace award {
namespace {

constexpr std::size_t kDigitsOf64Bits = 19;

// The magnitude's decimal digits into `buffer`; through the C++ library's
// conversion when it fits 64 bits, the common case, which cpp_int's own is
// slow at.
std::string_view Digits(const Integer& value, std::string& buffer) {
  const bool negative = value < 0;
  if (value.backend().size() == 1) {  // one limb: the magnitude fits 64 bits
    const std::uint64_t magnitude = *value.backend().limbs();
    buffer.resize(kDigitsOf64Bits + 1);
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude).ptr;
    buffer.resize(static_cast<std::size_t>(end - buffer.data()));
  } else {
    buffer = (negative ? Integer(-value) : value).str();
  }
  return buffer;
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
  thread_local std::string buffer;
  const std::string_view digits = Digits(decimal.units, buffer);
  const std::size_t places = static_cast<std::size_t>(decimal.places);
  // The whole part, with its leading zero when it has no digit of its own,
  // then the places, with leading zeros when the digits are fewer.
  const std::size_t wholeDigits = digits.size() > places ? digits.size() - places : 0;
  const std::string_view whole = digits.substr(0, wholeDigits);
  const std::string_view fraction = digits.substr(wholeDigits);
  std::string text;
  text.reserve(wholeDigits + wholeDigits / 3 + places + 3);
  if (decimal.units < 0) text += '-';
  if (whole.empty()) text += '0';
  if (!grouped) {
    text += whole;
  } else {
    const char mark = separator == '.' ? ',' : '.';
    std::size_t group = whole.size() % 3 == 0 ? 3 : whole.size() % 3;
    for (std::size_t at = 0; at < whole.size(); at += group, group = 3) {
      if (at > 0) text += mark;
      text += whole.substr(at, group);
    }
  }
  if (places == 0) return text;
  text += separator;
  text.append(places - fraction.size(), '0');
  text += fraction;
  return text;
}

}  // namespace award
