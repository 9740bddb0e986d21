// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AmountFromText: the lenient reading of an input field's text. Only the ASCII
// digits and the first decimal separator count; everything else is dropped.
// The kept digits are accumulated in extended precision, rounding at every
// step, scaled by the digits after the separator and rounded once to double.
// Deliberately not a correctly rounded decimal conversion.

#include <string>
#include <string_view>

namespace calc {

// The digits and the first separator of `text`, in order.
std::string KeptText(std::string_view text, char separator);

// Never negative. Raises CalcError: Conversion (message quotes the kept text)
// when nothing is kept or the accumulated integer overflows the extended
// range (decided by the rounded accumulation, not the exact integer);
// Overflow when the value, rounded to double, exceeds the largest finite
// double. A text with 5,120 or more digits after the separator, beyond the
// power-of-ten tables, reads as the accumulated integer divided by 10^k, the
// division applied as repeated scalings by 10^-5119 and then the rest.
double AmountFromText(std::string_view text, char separator);
double AmountFromText(std::string_view text);  // the process-wide separator

}  // namespace calc
