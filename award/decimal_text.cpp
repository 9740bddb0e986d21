// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>

#include "calc/amount.h"

namespace award {
namespace {

constexpr std::size_t kDigitsOf64Bits = 19;

// The magnitude's decimal digits. Through the C++ library's conversion into
// a buffer of its own when the magnitude fits 64 bits, the common case,
// which cpp_int's own conversion is slow at; through cpp_int's otherwise.
class Digits {
 public:
  explicit Digits(const Integer& value) {
    if (value.backend().size() == 1) {  // one limb: the magnitude fits 64 bits
      const auto end =
          std::to_chars(small_.data(), small_.data() + small_.size(), *value.backend().limbs()).ptr;
      view_ = std::string_view(small_.data(), static_cast<std::size_t>(end - small_.data()));
    } else {
      large_ = (value < 0 ? Integer(-value) : value).str();
      view_ = large_;
    }
  }
  Digits(const Digits&) = delete;
  Digits& operator=(const Digits&) = delete;

  std::string_view View() const { return view_; }

 private:
  std::array<char, kDigitsOf64Bits + 1> small_;
  std::string large_;
  std::string_view view_;
};

// Up to 19 digits, none of them a sign, as an unsigned 64-bit integer.
std::uint64_t SmallUnits(std::string_view digits) {
  std::uint64_t units = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), units);
  return units;
}

}  // namespace

std::optional<Decimal> ReadDecimal(std::string_view text, char separator) {
  const std::string kept = calc::KeptText(text, separator);
  if (kept.empty()) return std::nullopt;
  const std::size_t at = std::min(kept.find(separator), kept.size());
  const std::string_view whole = std::string_view(kept).substr(0, at);
  const std::string_view fraction = std::string_view(kept).substr(std::min(at + 1, kept.size()));
  Decimal decimal{.units = 0, .places = static_cast<int>(fraction.size())};
  // Up to 19 digits in all fit an unsigned 64-bit integer, read without the
  // parser: the whole part, then the places after it.
  if (whole.size() + fraction.size() <= kDigitsOf64Bits) {
    std::uint64_t units = SmallUnits(whole);
    for (std::size_t place = 0; place < fraction.size(); ++place) units *= 10;
    decimal.units = units + SmallUnits(fraction);
    return decimal;
  }
  // cpp_int reads a leading 0 as an octal prefix: the digits go in without it.
  std::string digits = std::string(whole) + std::string(fraction);
  const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
  decimal.units = first == digits.size() ? Integer(0) : Integer(std::string_view(digits).substr(first));
  return decimal;
}

std::string ShowDecimal(const Decimal& decimal, char separator, bool grouped) {
  const Digits converted(decimal.units);
  const std::string_view digits = converted.View();
  const std::size_t places = static_cast<std::size_t>(decimal.places);
  // The whole part, with its leading zero when it has no digit of its own,
  // then the places, with leading zeros when the digits are fewer.
  const std::size_t wholeDigits = digits.size() > places ? digits.size() - places : 0;
  const std::string_view whole = digits.substr(0, wholeDigits);
  const std::string_view fraction = digits.substr(wholeDigits);
  // Written into a buffer sized for the common case, then made a string once.
  std::array<char, 2 * kDigitsOf64Bits + 8> buffer;
  std::string large;
  const std::size_t length = (decimal.units < 0) + std::max<std::size_t>(wholeDigits, 1) +
                             (grouped && wholeDigits > 3 ? (wholeDigits - 1) / 3 : 0) +
                             (places > 0 ? places + 1 : 0);
  if (length > buffer.size()) large.resize(length);
  char* const start = length > buffer.size() ? large.data() : buffer.data();
  char* out = start;
  if (decimal.units < 0) *out++ = '-';
  if (whole.empty()) *out++ = '0';
  if (grouped) {
    const char mark = separator == '.' ? ',' : '.';
    for (std::size_t at = 0; at < whole.size(); ++at) {
      if (at > 0 && (whole.size() - at) % 3 == 0) *out++ = mark;
      *out++ = whole[at];
    }
  } else {
    out = std::copy(whole.begin(), whole.end(), out);
  }
  if (places > 0) {
    *out++ = separator;
    out = std::fill_n(out, places - fraction.size(), '0');
    out = std::copy(fraction.begin(), fraction.end(), out);
  }
  return length > buffer.size() ? large : std::string(start, out);
}

}  // namespace award
