// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/amount.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"
#include "calc/extended.h"
#include "calc/kept_characters.h"
#include "calc/power_of_ten.h"

namespace calc {
namespace {

// The largest scaling the power-of-ten tables cover in one call.
constexpr std::size_t kLargestScale = 5119;

// Up to 19 digits the accumulation stays below 2^64, where every rounded
// step of the extended accumulation is exact; an integer gives the same value.
constexpr int kExactDigits = 19;

// The rounded accumulation of the kept digits (acc × 10, rounded, then + the
// digit, rounded) and the number of digits after the separator.
struct Accumulation {
  bool kept = false;  // a digit or the separator was kept
  Extended value;
  std::size_t fractionDigits = 0;
};

Accumulation Accumulate(std::string_view text, char separator) {
  static const Extended ten = Extended::FromUint(10);
  static const std::array<Extended, 10> digitValues = [] {
    std::array<Extended, 10> values;
    for (std::uint64_t d = 0; d < 10; ++d) values[d] = Extended::FromUint(d);
    return values;
  }();
  Accumulation result;
  bool separatorKept = false;
  std::uint64_t whole = 0;
  int wholeDigits = 0;
  bool widened = false;
  const auto onSeparator = [&] { separatorKept = result.kept = true; };
  ForEachKept(text, separator, onSeparator, [&](unsigned digit) {
    result.kept = true;
    if (separatorKept) ++result.fractionDigits;
    if (!widened) {
      if (wholeDigits < kExactDigits) {
        whole = whole * 10 + digit;
        ++wholeDigits;
        return true;
      }
      result.value = Extended::FromUint(whole);
      widened = true;
    }
    result.value = result.value * ten + digitValues[digit];
    // Once beyond the extended range the accumulation stays infinite and the
    // conversion fails whatever follows; x87 arithmetic on an infinity is slow,
    // so the rest of the text is not accumulated.
    return !result.value.IsInfinite();
  });
  if (!widened) result.value = Extended::FromUint(whole);
  return result;
}

// acc ÷ 10^k. Up to 5,119 digits after the separator this is one scaling by
// the power-of-ten tables. Beyond the tables' reach the value is the quotient
// of the accumulated integer and 10^k, applied in chunks of 10^5119 and then
// the rest; every intermediate stays at least as large as the final value, so
// a value in the double range never passes through an extended underflow.
Extended ScaleDown(Extended acc, std::size_t k) {
  while (k > kLargestScale) {
    acc = ScaleByPowerOfTen(acc, -static_cast<int>(kLargestScale));
    k -= kLargestScale;
  }
  return ScaleByPowerOfTen(acc, -static_cast<int>(k));
}

}  // namespace

std::string KeptText(std::string_view text, char separator) {
  std::string kept;
  kept.reserve(text.size());
  ForEachKept(
      text, separator, [&] { kept += separator; },
      [&](unsigned digit) {
        kept += static_cast<char>('0' + digit);
        return true;
      });
  return kept;
}

double AmountFromText(std::string_view text, char separator) {
  // Steps: keep the digits and the first separator; accumulate the digits with
  // rounding at every step; scale by the digits after the separator; reject an
  // accumulation that left the extended range; round once to double.
  const Accumulation accumulation = Accumulate(text, separator);
  if (!accumulation.kept) throw CalcError::Conversion("");
  Extended acc = accumulation.value;
  if (accumulation.fractionDigits > 0) acc = ScaleDown(acc, accumulation.fractionDigits);
  if (acc.IsInfinite() || acc.IsNaN()) throw CalcError::Conversion(KeptText(text, separator));
  const double value = acc.ToDouble();
  if (std::isinf(value)) throw CalcError::Overflow();
  return value;
}

double AmountFromText(std::string_view text) { return AmountFromText(text, DecimalSeparator()); }

}  // namespace calc
