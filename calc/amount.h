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
// range; Overflow when the value exceeds the largest finite double.
double AmountFromText(std::string_view text, char separator);
double AmountFromText(std::string_view text);  // the process-wide separator

}  // namespace calc
