// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// FormatNumber on any double (eight input bytes; a ninth picks the
// separator): at most 22 characters of the general format, never a "+", and
// the text stands for the double within the rounding to 15 significant
// digits. A fixed-notation text is read back with AmountFromText (which drops
// the sign); a scientific one with the C library.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/amount.h"
#include "calc/format_number.h"

namespace {

bool OnlyAllowedCharacters(const std::string& text, char separator) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool digit = c >= '0' && c <= '9';
    const bool sign = c == '-' && (i == 0 || text[i - 1] == 'E');
    if (!digit && !sign && c != separator && c != 'E') return false;
  }
  return true;
}

// |read − exact| within half a unit of the text's 15th significant digit
// (a little more for the 18-digit window, which is itself computed in
// extended precision), plus the reading's own rounding to double, absolute
// near the subnormals. A scientific text may stand for a value just above
// the largest double: it is read as a long double.
bool WithinFifteenDigits(long double read, double exact) {
  const long double magnitude = std::fabs(static_cast<long double>(exact));
  const long double halfUnit = 0.5L * std::pow(10.0L, std::floor(std::log10(read)) - 14);
  return std::fabs(read - magnitude) <= halfUnit * (1 + 1e-4L) + magnitude * 0x1p-52L + 0x1p-1074L;
}

long double ReadScientific(std::string text, char separator) {
  if (separator != '.') {
    for (char& c : text) {
      if (c == separator) c = '.';
    }
  }
  if (!text.empty() && text[0] == '-') text.erase(0, 1);
  return std::strtold(text.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  double value = 0.0;
  std::memcpy(&value, data, 8);
  const char separator = size > 8 && (data[8] & 1) ? '.' : ',';

  const std::string text = calc::FormatNumber(value, separator);
  if (text.empty() || text.size() > 22 || text.find('+') != std::string::npos) std::abort();

  if (std::isnan(value)) {
    if (text != "NAN") std::abort();
    return 0;
  }
  if (std::isinf(value)) {
    if (text != (value < 0 ? "-INF" : "INF")) std::abort();
    return 0;
  }
  if (!OnlyAllowedCharacters(text, separator)) std::abort();
  if ((text[0] == '-') != (value < 0)) std::abort();

  const bool fixed = text.find('E') == std::string::npos;
  const std::string unsigned_text = text[0] == '-' ? text.substr(1) : text;
  const long double read =
      fixed ? calc::AmountFromText(unsigned_text, separator) : ReadScientific(text, separator);
  if (!WithinFifteenDigits(read, value)) std::abort();
  return 0;
}
