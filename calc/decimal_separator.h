// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The decimal separator: one byte for the whole process, read by every
// amount conversion and every formatted result. It comes from the user's
// numeric locale and is "." when the locale has no one-byte separator.
// Only LoadDecimalSeparator (and tests, through SetDecimalSeparator) write it.

#include <string>
#include <string_view>

namespace calc {

char DecimalSeparator();
void SetDecimalSeparator(char separator);

// The one-byte rule, for any source of a decimal point (the C library's
// locale, a browser's number format): its one character when it is exactly one
// ASCII character, "." for anything else ("" or a multi-byte point).
char SeparatorFromDecimalPoint(std::string_view decimalPoint);

// The numeric locale as the C library chooses it (LC_ALL, else LC_NUMERIC,
// else LANG): its decimal point by SeparatorFromDecimalPoint, "." when the
// locale cannot be loaded. Never fails.
char LocaleDecimalSeparator();

// The same choice with what it was made from, for a program that tells its
// user when a named locale is missing from the system.
struct NumericLocale {
  std::string name;      // the locale named; "C" when no variable names one
  std::string variable;  // LC_ALL, LC_NUMERIC or LANG; empty for "C"
  bool loaded = false;   // whether the system has that locale
  char separator = '.';  // as LocaleDecimalSeparator gives it
};
NumericLocale ReadNumericLocale();

// Sets the process-wide separator from LocaleDecimalSeparator().
void LoadDecimalSeparator();

}  // namespace calc
