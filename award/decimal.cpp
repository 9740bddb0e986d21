// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal.h"

#include <array>
#include <cassert>
#include <map>

namespace award {

template <>
const Integer& PowerOfTen<Integer>(int exponent) {
  assert(exponent >= 0);
  // The powers that ordinary inputs need are computed once; larger ones, for
  // inputs typed with very many decimals, are computed and kept as they come.
  constexpr int kTabled = 64;
  static const std::array<Integer, kTabled> tabled = [] {
    std::array<Integer, kTabled> powers;
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
  }();
  if (exponent < kTabled) return tabled[static_cast<std::size_t>(exponent)];
  thread_local std::map<int, Integer> larger;
  auto [at, added] = larger.try_emplace(exponent);
  if (added) at->second = boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
  return at->second;
}

}  // namespace award
