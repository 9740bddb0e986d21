// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal.h"

#include <array>
#include <cassert>
#include <map>

namespace award {
namespace {

// The powers that ordinary inputs need are computed once; larger ones, for
// inputs typed with very many decimals, are computed and kept as they come.
constexpr int kTabledPowers = 64;

}  // namespace

Integer RoundQuotient(const Integer& numerator, const Integer& denominator, Rounding rounding) {
  assert(denominator > 0);
  Integer quotient, remainder;
  boost::multiprecision::divide_qr(numerator, denominator, quotient, remainder);  // truncated
  if (rounding == Rounding::TowardZero || remainder == 0) return quotient;
  // The remainder has the numerator's sign; twice its size against the
  // denominator tells below, at or above the half.
  const Integer twice = 2 * abs(remainder);
  if (numerator > 0) {
    if (twice >= denominator) ++quotient;
  } else if (twice > denominator || (twice == denominator && rounding == Rounding::HalfAwayFromZero)) {
    --quotient;
  }
  return quotient;
}

const Integer& PowerOfTen(int exponent) {
  assert(exponent >= 0);
  static const std::array<Integer, kTabledPowers> tabled = [] {
    std::array<Integer, kTabledPowers> powers;
    powers[0] = 1;
    for (int i = 1; i < kTabledPowers; ++i) powers[i] = powers[i - 1] * 10;
    return powers;
  }();
  if (exponent < kTabledPowers) return tabled[exponent];
  thread_local std::map<int, Integer> larger;
  auto [at, added] = larger.try_emplace(exponent);
  if (added) at->second = boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
  return at->second;
}

Integer ScaledUnits(const Decimal& decimal, int places) {
  assert(places >= decimal.places);
  return decimal.units * PowerOfTen(places - decimal.places);
}

}  // namespace award
