// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// FormatNumber in numbered steps; special values leave early.
//   1. Widen v exactly to extended.
//   2. Infinities and NaN: "INF", "-INF", "NAN".
//   3. Zero of either sign: "0".
//   4. Decimal form of |v|:
//      4.1 estimate the decimal exponent X from the binary exponent;
//      4.2 S = |v| × 10^(18 − X), rounded to an integer;
//      4.3 if S ≥ 10^18: S = S ÷ 10 rounded to an integer, X + 1;
//      4.4 the 18 digits of S are the window d1…d18;
//      4.5 round half away from zero at d15, judged on d16 alone;
//      4.6 drop trailing zeros.
//   5. Lay out: 5.1 fixed notation for −3 ≤ X ≤ 15, 5.2 scientific otherwise.
#include "calc/format_number.h"

#include <cassert>
#include <cmath>
#include <cstdint>

#include "calc/decimal_separator.h"
#include "calc/extended.h"
#include "calc/power_of_ten.h"

namespace calc {
namespace {

constexpr std::uint64_t kTenToThe14 = 100000000000000ULL;
constexpr std::uint64_t kTenToThe15 = 1000000000000000ULL;
constexpr std::uint64_t kTenToThe17 = 100000000000000000ULL;
constexpr std::uint64_t kTenToThe18 = 1000000000000000000ULL;

// The longest result: "-", 15 digits, the separator, "E-324".
constexpr int kLongestText = 22;

// A finite non-zero magnitude as 0.d1…dn × 10^exponent: 1 to 15 significant
// digits, the first and the last not zero.
struct DecimalForm {
  char digits[15];
  int count;
  int exponent;
};

// Step 4.1: ⌊k × log10 2⌋ + 1 from the binary exponent k, with log10 2 taken
// as 19728 / 65536 (just below it). The shift rounds down for negative k too.
// The estimate equals the decimal exponent, or is one below it, or, for
// negative k only, one above it; step 4.2 corrects the last case.
int EstimatedDecimalExponent(double magnitude) {
  const int k = std::ilogb(magnitude);
  return ((k * 19728) >> 16) + 1;
}

// Step 4.2: |v| × 10^(18 − X) rounded to an integer.
Extended ScaledWindow(Extended magnitude, int decimalExponent) {
  return ScaleByPowerOfTen(magnitude, 18 - decimalExponent).RoundToInteger();
}

// Steps 4.1 to 4.3: the 18-digit window S of |v| and its decimal exponent X.
//
// X is never taken larger than the decimal exponent: when the estimate is one
// too large, S falls below 10^17 and the window is formed again with X − 1.
// The only magnitudes on which this decides differently from an exact
// comparison with 10^(X−1) lie within half a unit of the 18th digit below that
// power of ten; there both ways end with the digit 1 and the same exponent
// after the rounding of step 4.5.
std::uint64_t DecimalWindow(double magnitude, int& decimalExponent) {
  static const Extended tenToThe17 = Extended::FromUint(kTenToThe17);
  static const Extended tenToThe18 = Extended::FromUint(kTenToThe18);
  static const Extended ten = Extended::FromUint(10);
  const Extended wide = Extended::FromDouble(magnitude);
  int x = EstimatedDecimalExponent(magnitude);
  Extended s = ScaledWindow(wide, x);
  if (s < tenToThe17) {
    --x;
    s = ScaledWindow(wide, x);
  }
  if (s >= tenToThe18) {
    s = (s / ten).RoundToInteger();
    ++x;
  }
  decimalExponent = x;
  const std::uint64_t window = s.ToUint64();
  assert(window >= kTenToThe17 && window < kTenToThe18);
  return window;
}

// The last `count` decimal digits of `value`, most significant first.
void WriteDigits(std::uint32_t value, char* out, int count) {
  for (int i = count - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

// Steps 4.4 to 4.6: rounds the window half away from zero at its 15th digit,
// judged on the 16th digit alone, and drops trailing zeros.
DecimalForm ToDecimalForm(double magnitude) {
  DecimalForm form{};
  const std::uint64_t window = DecimalWindow(magnitude, form.exponent);
  std::uint64_t leading = window / 1000;
  if ((window / 100) % 10 >= 5) ++leading;
  if (leading == kTenToThe15) {
    leading = kTenToThe14;
    ++form.exponent;
  }
  int count = 15;
  while (leading % 10 == 0) {
    leading /= 10;
    --count;
  }
  // Two halves of at most eight digits each convert in two short chains of
  // 32-bit divisions instead of one long chain of 64-bit ones.
  const int highCount = count > 8 ? count - 8 : 0;
  WriteDigits(static_cast<std::uint32_t>(leading % 100000000), form.digits + highCount, count - highCount);
  WriteDigits(static_cast<std::uint32_t>(leading / 100000000), form.digits, highCount);
  form.count = count;
  return form;
}

// Writes into `out`, returns the end.
char* AppendDigits(char* out, const char* digits, int count) {
  for (int i = 0; i < count; ++i) *out++ = digits[i];
  return out;
}

char* AppendZeros(char* out, int count) {
  for (int i = 0; i < count; ++i) *out++ = '0';
  return out;
}

// Step 5.1: fixed notation, −3 ≤ X ≤ 15.
char* LayOutFixed(char* out, const DecimalForm& form, char separator) {
  if (form.exponent <= 0) {
    *out++ = '0';
    *out++ = separator;
    out = AppendZeros(out, -form.exponent);
    return AppendDigits(out, form.digits, form.count);
  }
  if (form.count <= form.exponent) {
    out = AppendDigits(out, form.digits, form.count);
    return AppendZeros(out, form.exponent - form.count);
  }
  out = AppendDigits(out, form.digits, form.exponent);
  *out++ = separator;
  return AppendDigits(out, form.digits + form.exponent, form.count - form.exponent);
}

// Step 5.2: scientific notation, "E", the exponent X − 1 without "+".
char* LayOutScientific(char* out, const DecimalForm& form, char separator) {
  *out++ = form.digits[0];
  if (form.count > 1) {
    *out++ = separator;
    out = AppendDigits(out, form.digits + 1, form.count - 1);
  }
  *out++ = 'E';
  int shown = form.exponent - 1;
  if (shown < 0) {
    *out++ = '-';
    shown = -shown;
  }
  char reversed[4];
  int count = 0;
  do {
    reversed[count++] = static_cast<char>('0' + shown % 10);
    shown /= 10;
  } while (shown != 0);
  while (count > 0) *out++ = reversed[--count];
  return out;
}

}  // namespace

std::string FormatNumber(double value, char separator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  const DecimalForm form = ToDecimalForm(std::fabs(value));
  char text[kLongestText];
  char* out = text;
  if (value < 0) *out++ = '-';
  if (form.exponent >= -3 && form.exponent <= 15)
    out = LayOutFixed(out, form, separator);
  else
    out = LayOutScientific(out, form, separator);
  return std::string(text, out);
}

std::string FormatNumber(double value) { return FormatNumber(value, DecimalSeparator()); }

}  // namespace calc
