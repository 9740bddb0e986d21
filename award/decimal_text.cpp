// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "calc/amount.h"
#include "calc/kept_characters.h"

namespace award {
namespace {

constexpr int kDigitsOf64Bits = 19;

std::string DigitsOf(std::uint64_t value) {
  char buffer[std::numeric_limits<std::uint64_t>::digits10 + 1];
  const std::to_chars_result written = std::to_chars(std::begin(buffer), std::end(buffer), value);
  return std::string(buffer, written.ptr);
}

// The digits of a magnitude. Beyond 64 bits, in chunks of 19 digits, the
// lowest first, through the C++ library's conversion: cpp_int's own brings
// the streams and locales into the web page's module.
std::string DigitsOf(Integer magnitude) {
  const Integer& chunk = PowerOfTen<Integer>(kDigitsOf64Bits);
  std::string digits;
  while (magnitude > std::numeric_limits<std::uint64_t>::max()) {
    Integer quotient, remainder;
    boost::multiprecision::divide_qr(magnitude, chunk, quotient, remainder);
    const std::string low = DigitsOf(remainder.convert_to<std::uint64_t>());
    digits.insert(0, low).insert(0, static_cast<std::size_t>(kDigitsOf64Bits) - low.size(), '0');
    magnitude = std::move(quotient);
  }
  return DigitsOf(magnitude.convert_to<std::uint64_t>()) + digits;
}

}  // namespace

std::optional<Decimal> ReadDecimal(std::string_view text, char separator) {
  std::string digits = calc::KeptText(text, separator);
  if (digits.empty()) return std::nullopt;
  const std::size_t at = digits.find(separator);
  const int places = at == std::string::npos ? 0 : static_cast<int>(digits.size() - at - 1);
  if (at != std::string::npos) digits.erase(at, 1);
  // Up to 19 digits through the C++ library's reading of a 64-bit integer,
  // more through cpp_int's, which would take leading zeros for an octal
  // prefix.
  std::uint64_t units = 0;
  if (digits.size() <= kDigitsOf64Bits) {
    std::from_chars(digits.data(), digits.data() + digits.size(), units);
    return Decimal{.units = units, .places = places};
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return Decimal{.units = 0, .places = places};
  return Decimal{.units = Integer(std::string_view(digits).substr(first)), .places = places};
}

WrittenDecimal ReadWrittenDecimal(std::string_view text, char separator) {
  using Fault = WrittenDecimal::Fault;
  const char mark = ThousandsMark(separator);
  // 1. What counts: the digits, the marks and the separators.
  std::string kept;
  for (const char c : text) {
    if ((c >= '0' && c <= '9') || c == mark || c == separator) kept += c;
  }
  if (kept.empty()) return {.fault = Fault::NoDigits, .decimal = {}};

  // 2. The places: digits alone after the one separator.
  const std::size_t at = std::min(kept.find(separator), kept.size());
  const std::string_view whole = std::string_view(kept).substr(0, at);
  const std::string_view places = std::string_view(kept).substr(std::min(at + 1, kept.size()));
  if (places.find_first_not_of("0123456789") != std::string_view::npos)
    return {.fault = Fault::Misgrouped, .decimal = {}};

  // 3. The whole part: groups of three after each mark, one to three
  //    digits before the first.
  std::string digits;
  const std::size_t firstMark = whole.find(mark);
  if (firstMark == 0 || (firstMark != std::string_view::npos && firstMark > 3))
    return {.fault = Fault::Misgrouped, .decimal = {}};
  for (std::size_t start = 0;;) {
    const std::size_t end = std::min(whole.find(mark, start), whole.size());
    if (start > 0 && end - start != 3) return {.fault = Fault::Misgrouped, .decimal = {}};
    digits.append(whole.substr(start, end - start));
    if (end == whole.size()) break;
    start = end + 1;
  }
  digits += places;

  // 4. The number, through the lenient reading of the plain digits.
  digits.insert(digits.size() - places.size(), 1, separator);
  return {.fault = Fault::None, .decimal = *ReadDecimal(digits, separator)};
}

std::string DecimalText(const Decimal& decimal, char separator, bool grouped) {
  // 1. The magnitude's digits, at least one more than the places, so that
  //    the whole part has a digit of its own.
  std::string digits = DigitsOf(abs(decimal.units));
  const auto places = static_cast<std::size_t>(decimal.places);
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');

  // 2. The sign, the whole part in groups of three counted from its end,
  //    each but the first after a mark, the separator and the places.
  const std::size_t whole = digits.size() - places;
  const std::size_t first = !grouped ? whole : (whole % 3 == 0 ? 3 : whole % 3);
  const char mark = separator == '.' ? ',' : '.';
  std::string text;
  text.reserve(digits.size() + whole / 3 + 2);
  if (decimal.units < 0) text += '-';
  text.append(digits, 0, first);
  for (std::size_t group = first; group < whole; group += 3) text.append(1, mark).append(digits, group, 3);
  if (places > 0) text.append(1, separator).append(digits, whole);
  return text;
}

}  // namespace award
