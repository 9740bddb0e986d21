// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal.h"

#include <cassert>

namespace award {
namespace {

Integer PowerOfTen(int exponent) {
  assert(exponent >= 0);
  return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
}

// floor(numerator / denominator) for a positive denominator; the integer
// division of cpp_int truncates towards zero.
Integer FloorDivide(const Integer& numerator, const Integer& denominator) {
  Integer quotient, remainder;
  boost::multiprecision::divide_qr(numerator, denominator, quotient, remainder);
  if (remainder < 0) --quotient;
  return quotient;
}

}  // namespace

Rational ToRational(const Decimal& decimal) {
  assert(decimal.places >= 0);
  return Rational(decimal.units, PowerOfTen(decimal.places));
}

Decimal Round(const Rational& value, int places, Rounding rounding) {
  // The scaled value n / d (d > 0, as the rational keeps it); the result's
  // units are n / d rounded to an integer.
  const Integer scale = PowerOfTen(places);
  const Integer numerator = boost::multiprecision::numerator(value) * scale;
  const Integer denominator = boost::multiprecision::denominator(value);
  Integer units;
  switch (rounding) {
    case Rounding::HalfUp: units = FloorDivide(2 * numerator + denominator, 2 * denominator); break;
    case Rounding::HalfAwayFromZero: {
      const Integer magnitude = FloorDivide(2 * abs(numerator) + denominator, 2 * denominator);
      units = numerator < 0 ? Integer(-magnitude) : magnitude;
      break;
    }
    case Rounding::TowardZero: units = numerator / denominator; break;
  }
  return {.units = units, .places = places};
}

}  // namespace award
