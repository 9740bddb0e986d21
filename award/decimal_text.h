// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Decimal texts both ways. Reading follows the amount fields' lenient rule
// (calc::KeptText: only the ASCII digits and the first decimal separator
// count) but keeps every digit exactly, where the discrepancy arithmetic
// reads a double. Writing gives the digits with the decimal separator,
// optionally grouped by thousands.
//
//   ReadDecimal("1.234.567,89", ',')          -> units 123456789, places 2
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

// The places' digits follow `separator`; the whole part is grouped by
// thousands when `grouped`, with "." (or "," when the separator is ".").
std::string DecimalText(const Decimal& decimal, char separator, bool grouped);

}  // namespace award
