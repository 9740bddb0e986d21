#include "calc/decimal_separator.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace calc {
namespace {

char separator = '.';

// The first of LC_ALL, LC_NUMERIC and LANG that is set and not empty, as the
// C library picks the numeric locale; "C" when none is.
const char* NumericLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] != '\0') return value;
  }
  return "C";
}

}  // namespace

char DecimalSeparator() {
  return separator;
}

void SetDecimalSeparator(char newSeparator) {
  separator = newSeparator;
}

char LocaleDecimalSeparator() {
  locale_t locale = newlocale(LC_NUMERIC_MASK, NumericLocaleName(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return '.';
  const char* radix = nl_langinfo_l(RADIXCHAR, locale);
  const char result = (radix != nullptr && std::strlen(radix) == 1) ? radix[0] : '.';
  freelocale(locale);
  return result;
}

void LoadDecimalSeparator() {
  separator = LocaleDecimalSeparator();
}

}  // namespace calc
