// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The discrepancy arithmetic, free of any field or window: from the three
// amount texts to the computed total, the difference and the discrepancy
// percentage, each held as a double and shown as a result text.
//
//   R = P / 100, B = A − A·R, D = C − B, Q = (D·100) / C
//
// Every operation is carried out in extended precision; an intermediate that
// feeds the next operation is passed on unrounded, and only R, B, D and Q are
// rounded to double, once each.

#include <string>
#include <string_view>

namespace calc {

struct DiscrepancyFigures {
  double computedTotal;  // B
  double difference;     // D
  double discrepancy;    // Q
};

struct DiscrepancyTexts {
  std::string computedTotal;
  std::string difference;
  std::string discrepancy;
};

// From the three amounts. Raises CalcError: DivisionByZero when C = 0 and
// D ≠ 0, InvalidOperation when C = 0 and D = 0, Overflow when B, D or Q
// exceeds the double range.
DiscrepancyFigures ComputeFigures(double baseAmount, double discountPercent, double contractorTotal);

// From the three amount texts, read in this order with AmountFromText (the
// first rejected text raises its conversion error), to the three result texts.
DiscrepancyTexts ComputeTexts(std::string_view baseAmount, std::string_view discountPercent,
                              std::string_view contractorTotal, char separator);

}  // namespace calc
