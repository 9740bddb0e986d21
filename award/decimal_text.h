// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Decimal texts both ways. ReadDecimal follows the main amount fields'
// lenient rule (calc::KeptText: only the ASCII digits and the first decimal
// separator count) but keeps every digit exactly, where the discrepancy
// arithmetic reads a double. ReadWrittenDecimal reads an amount as a person
// writes it, thousands marks and all, and refuses marks that do not group
// three digits. Writing gives the digits with the decimal separator,
// optionally grouped by thousands.
//
//   ReadDecimal("1.234.567,89", ',')          -> units 123456789, places 2
//   ReadWrittenDecimal("30.000,00", ',')      -> units 3000000, places 2
//   ReadWrittenDecimal("30.5", ',')           -> Misgrouped
//   DecimalText({-123456789, 2}, ',', true)   -> "-1.234.567,89"
//   DecimalText({5, 3}, '.', false)           -> "0.005"

#include <optional>
#include <string>
#include <string_view>

#include "award/decimal.h"

namespace award {

// Nothing when the text keeps neither a digit nor the separator (an empty
// text, or one of letters and signs). A kept separator alone reads as 0; the
// digits after the separator give the places, trailing zeros included.
std::optional<Decimal> ReadDecimal(std::string_view text, char separator);

// The thousands mark that goes with a decimal separator: "." with ",", and
// "," with ".".
constexpr char ThousandsMark(char separator) { return separator == '.' ? ',' : '.'; }

struct WrittenDecimal {
  enum class Fault {
    None,        // read
    NoDigits,    // neither a digit, a mark nor the separator
    Misgrouped,  // a mark not between groups of three digits of the whole part, or a second separator
  };
  Fault fault = Fault::None;
  Decimal decimal;  // while fault is None
};

// Of the text, the digits, the marks and the separator count, in order;
// anything else (spaces, letters, "€") is dropped, as ReadDecimal drops it.
// The whole part may have marks, each followed by exactly three digits, the
// first group one to three digits long; the places none.
WrittenDecimal ReadWrittenDecimal(std::string_view text, char separator);

// The places' digits follow `separator`; the whole part is grouped by
// thousands when `grouped`, with "." (or "," when the separator is ".").
std::string DecimalText(const Decimal& decimal, char separator, bool grouped);

}  // namespace award
