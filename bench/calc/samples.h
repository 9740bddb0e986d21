// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Realistic figures of a tender for the calculation benchmarks: amounts in
// euros and cents, discount percentages and the results the computation
// shows, the same sequence on every run.

#include <string>
#include <vector>

namespace calc_bench {

// Values that result fields show: totals, differences, percentages.
const std::vector<double>& ResultValues();

// Amount texts as typed, with "." as the decimal separator so that the C
// library's strtod reads the very same texts.
const std::vector<std::string>& AmountTexts();

}  // namespace calc_bench
