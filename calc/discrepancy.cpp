// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/discrepancy.h"

#include <cmath>

#include "calc/amount.h"
#include "calc/calc_error.h"
#include "calc/extended.h"
#include "calc/format_number.h"

namespace calc {
namespace {

// Stores an extended result as a double, raising what an enabled processor
// exception would: a NaN is an invalid operation, an infinity (the rounded
// magnitude beyond the largest double) an overflow. Below the normal range the
// value becomes subnormal or zero silently.
double Store(Extended value) {
  if (value.IsNaN()) throw CalcError::InvalidOperation();
  const double stored = value.ToDouble();
  if (std::isinf(stored)) throw CalcError::Overflow();
  return stored;
}

// The division (D × 100) / C, with the two faults a zero divisor raises.
Extended Divide(Extended dividend, Extended divisor) {
  if (divisor.IsZero()) {
    if (dividend.IsZero() || dividend.IsNaN()) throw CalcError::InvalidOperation();
    throw CalcError::DivisionByZero();
  }
  return dividend / divisor;
}

}  // namespace

DiscrepancyFigures ComputeFigures(double baseAmount, double discountPercent, double contractorTotal) {
  static const Extended hundred = Extended::FromUint(100);
  const Extended a = Extended::FromDouble(baseAmount);
  const Extended c = Extended::FromDouble(contractorTotal);
  const double r = Store(Extended::FromDouble(discountPercent) / hundred);
  const double b = Store(a - a * Extended::FromDouble(r));
  const double d = Store(c - Extended::FromDouble(b));
  const double q = Store(Divide(Extended::FromDouble(d) * hundred, c));
  return {b, d, q};
}

DiscrepancyTexts ComputeTexts(std::string_view baseAmount, std::string_view discountPercent,
                              std::string_view contractorTotal, char separator) {
  const double a = AmountFromText(baseAmount, separator);
  const double p = AmountFromText(discountPercent, separator);
  const double c = AmountFromText(contractorTotal, separator);
  const DiscrepancyFigures figures = ComputeFigures(a, p, c);
  return {FormatNumber(figures.computedTotal, separator), FormatNumber(figures.difference, separator),
          FormatNumber(figures.discrepancy, separator)};
}

}  // namespace calc
