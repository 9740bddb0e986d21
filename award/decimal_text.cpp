// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal_text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "calc/amount.h"
#include "calc/kept_characters.h"

namespace award {
namespace {

constexpr int kDigitsOf64Bits = 19;

// "00" to "99", for writing two digits at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// A decimal's text written from its last character to its first, into the
// end of a buffer: the places, the separator and the thousands' marks are
// all counted from the units' last digit.
class BackwardText {
 public:
  // `mark` groups the whole part by thousands; '\0' for none.
  BackwardText(char* end, int places, char separator, char mark)
      : end_(end),
        at_(end),
        places_(places),
        separator_(separator),
        mark_(mark),
        stop_(places > 0 ? places : NextMark(mark, places, 0)) {}

  // The digits of `value`, lowest first, with leading zeros up to `width`.
  // The loop works on copies of the members: a store through a char
  // pointer could change any of them, as the compiler must assume, and
  // each would be read again after every character.
  void Digits(std::uint64_t value, int width) {
    const int least = std::max(width, 1), places = places_;
    const char separator = separator_, mark = mark_;
    char* at = at_;
    int written = written_, stop = stop_;
    int count = 0;
    while (count < least || value != 0) {
      if (written == stop) {  // the separator, or a mark, before this digit
        *--at = written == places ? separator : mark;
        stop = NextMark(mark, places, written - places);
      }
      if (value >= 10 && stop - written >= 2) {  // two digits, with nothing between them
        at -= 2;
        std::memcpy(at, &kDigitPairs[2 * (value % 100)], 2);
        value /= 100;
        written += 2;
        count += 2;
        continue;
      }
      *--at = static_cast<char>('0' + value % 10);
      value /= 10;
      ++written;
      ++count;
    }
    at_ = at;
    written_ = written;
    stop_ = stop;
  }

  // The whole part's leading zero when it has no digit of its own, the
  // places' leading zeros when the digits are fewer, and the sign.
  std::string Finish(bool negative) {
    if (written_ <= places_) Digits(0, places_ + 1 - written_);
    if (negative) *--at_ = '-';
    return std::string(at_, end_);
  }

 private:
  static constexpr int kNever = std::numeric_limits<int>::max();

  // Where the next thousands' mark goes, once `whole` digits of the whole
  // part are written.
  static int NextMark(char mark, int places, int whole) { return mark == '\0' ? kNever : places + whole + 3; }

  char* const end_;
  char* at_;
  const int places_;
  const char separator_;
  const char mark_;
  int stop_;         // the digits written when the next separator or mark is due
  int written_ = 0;  // digits so far
};

}  // namespace

std::optional<Decimal> ReadDecimal(std::string_view text, char separator) {
  // The common case in one pass: up to 19 significant digits fit an unsigned
  // 64-bit integer. Units of 10^18 or more already hold 19 of them, and
  // leading zeros leave the units at 0.
  constexpr std::uint64_t kNineteenDigits = 1'000'000'000'000'000'000;
  bool kept = false, separatorKept = false, wide = false;
  int places = 0;
  std::uint64_t units = 0;
  calc::ForEachKept(
      text, separator, [&] { kept = separatorKept = true; },
      [&](unsigned digit) {
        kept = true;
        if (separatorKept) ++places;
        if (units >= kNineteenDigits) return !(wide = true);
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
  // Room for every digit (at most 20 for each 64 bits of the magnitude) or
  // the places and their leading zero, a mark for every three, the
  // separator and the sign.
  const std::size_t limbs = decimal.units.backend().size();
  const std::size_t digits = std::max<std::size_t>(limbs * 20, static_cast<std::size_t>(decimal.places) + 1);
  const std::size_t length = digits + digits / 3 + 2;
  std::array<char, 64> common;
  std::string large;
  if (length > common.size()) large.resize(length);
  char* const start = length > common.size() ? large.data() : common.data();
  BackwardText text(start + length, decimal.places, separator,
                    grouped ? (separator == '.' ? ',' : '.') : '\0');
  if (limbs == 1) {  // the common case: the magnitude fits 64 bits
    text.Digits(*decimal.units.backend().limbs(), 0);
  } else {
    // Chunks of 19 digits, the lowest first, each but the highest with its
    // leading zeros. cpp_int's own conversion is slow and brings the
    // streams and locales into the web page's module.
    const Integer& chunkUnit = PowerOfTen<Integer>(kDigitsOf64Bits);
    Integer magnitude = abs(decimal.units);
    while (magnitude >= chunkUnit) {
      Integer quotient, remainder;
      boost::multiprecision::divide_qr(magnitude, chunkUnit, quotient, remainder);
      text.Digits(remainder.convert_to<std::uint64_t>(), kDigitsOf64Bits);
      magnitude = std::move(quotient);
    }
    text.Digits(magnitude.convert_to<std::uint64_t>(), 0);
  }
  return text.Finish(decimal.units < 0);
}

}  // namespace award
