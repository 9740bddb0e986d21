// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/decimal_separator.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <initializer_list>

namespace calc {
namespace {

char separator = '.';

// The first of LC_ALL, LC_NUMERIC and LANG that is set and not empty, as the
// C library picks the numeric locale; "C" when none is.
NumericLocale NamedNumericLocale() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] != '\0') return {.name = value, .variable = variable, .loaded = false};
  }
  return {.name = "C", .variable = "", .loaded = false};
}

}  // namespace

char DecimalSeparator() { return separator; }

void SetDecimalSeparator(char newSeparator) { separator = newSeparator; }

char SeparatorFromDecimalPoint(std::string_view decimalPoint) {
  const bool oneAscii = decimalPoint.size() == 1 && static_cast<unsigned char>(decimalPoint[0]) < 0x80;
  return oneAscii ? decimalPoint[0] : '.';
}

NumericLocale ReadNumericLocale() {
  NumericLocale numeric = NamedNumericLocale();
  locale_t locale = newlocale(LC_NUMERIC_MASK, numeric.name.c_str(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return numeric;
  numeric.loaded = true;
  const char* radix = nl_langinfo_l(RADIXCHAR, locale);
  numeric.separator = SeparatorFromDecimalPoint(radix != nullptr ? radix : "");
  freelocale(locale);
  return numeric;
}

char LocaleDecimalSeparator() { return ReadNumericLocale().separator; }

void LoadDecimalSeparator() { separator = LocaleDecimalSeparator(); }

}  // namespace calc
