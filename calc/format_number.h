// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// FormatNumber: a double as a result field shows it. General format with 15
// significant digits, rounded half away from zero on an 18-digit window;
// fixed notation from 0.0001 up to but not including 10^15, scientific
// ("E", no "+") outside; the decimal separator given; no thousands separator,
// no trailing zeros. At most 22 characters. Defined for every double.

#include <string>

namespace calc {

std::string FormatNumber(double value, char separator);
std::string FormatNumber(double value);  // the process-wide separator

}  // namespace calc
