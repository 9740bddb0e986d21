// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "calc/amount.h"
#include "calc/kept_characters.h"

namespace award {
namespace {

constexpr std::size_t kDigitsOf64Bits = 19;

// The magnitude's decimal digits, through the C++ library's conversion of
// 64-bit integers: the magnitude itself when it fits 64 bits, the common
// case, else its chunks of 19 digits. cpp_int's own conversion is slow and
// brings the streams and locales into the web page's module.
class Digits {
 public:
  explicit Digits(const Integer& value) {
    if (value.backend().size() == 1) {  // one limb: the magnitude fits 64 bits
      const auto end =
          std::to_chars(small_.data(), small_.data() + small_.size(), *value.backend().limbs()).ptr;
      view_ = std::string_view(small_.data(), static_cast<std::size_t>(end - small_.data()));
    } else {
      large_ = LargeDigits(abs(value));
      view_ = large_;
    }
  }
  Digits(const Digits&) = delete;
  Digits& operator=(const Digits&) = delete;

  std::string_view View() const { return view_; }

 private:
  // The chunks of 19 digits, the lowest first, then written highest first,
  // each but the highest with its leading zeros.
  static std::string LargeDigits(Integer magnitude) {
    const Integer& chunkUnit = PowerOfTen<Integer>(kDigitsOf64Bits);
    std::vector<std::uint64_t> chunks;
    while (magnitude >= chunkUnit) {
      Integer quotient, remainder;
      boost::multiprecision::divide_qr(magnitude, chunkUnit, quotient, remainder);
      chunks.push_back(remainder.convert_to<std::uint64_t>());
      magnitude = std::move(quotient);
    }
    std::string digits = std::to_string(magnitude.convert_to<std::uint64_t>());
    for (auto chunk = chunks.rbegin(); chunk != chunks.rend(); ++chunk) {
      const std::string low = std::to_string(*chunk);
      digits.append(kDigitsOf64Bits - low.size(), '0').append(low);
    }
    return digits;
  }

  std::array<char, kDigitsOf64Bits + 1> small_;
  std::string large_;
  std::string_view view_;
};

}  // namespace

std::optional<Decimal> ReadDecimal(std::string_view text, char separator) {
  // The common case in one pass: up to 19 significant digits fit an unsigned
  // 64-bit integer.
  bool kept = false, separatorKept = false, wide = false;
  int places = 0, significant = 0;
  std::uint64_t units = 0;
  calc::ForEachKept(
      text, separator, [&] { kept = separatorKept = true; },
      [&](unsigned digit) {
        kept = true;
        if (separatorKept) ++places;
        if (units == 0 && digit == 0) return true;  // a leading zero
        if (++significant > static_cast<int>(kDigitsOf64Bits)) return !(wide = true);
        units = units * 10 + digit;
        return true;
      });
  if (!kept) return std::nullopt;
  if (!wide) return Decimal{.units = units, .places = places};
  // More digits: cpp_int reads them all, without the leading zeros, which
  // it would take for an octal prefix.
  std::string digits = calc::KeptText(text, separator);
  const std::size_t at = digits.find(separator);
  if (at != std::string::npos) digits.erase(at, 1);
  places = at == std::string::npos ? 0 : static_cast<int>(digits.size() - at);
  return Decimal{.units = Integer(std::string_view(digits).substr(digits.find_first_not_of('0'))),
                 .places = places};
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
