// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/decimal.h"

#include <array>
#include <cassert>
#include <map>
#include <stdexcept>

namespace award {
namespace {

// The powers that ordinary inputs need are computed once; larger ones, for
// inputs typed with very many decimals, are computed and kept as they come.
constexpr int kTabledPowers = 64;

// The largest power of ten below 2^127.
constexpr int kLargestFastPower = 38;

template <class Int, std::size_t count>
std::array<Int, count> Powers() {
  std::array<Int, count> powers;
  powers[0] = 1;
  for (std::size_t i = 1; i < count; ++i) powers[i] = powers[i - 1] * 10;
  return powers;
}

}  // namespace

template <>
const Integer& PowerOfTen<Integer>(int exponent) {
  assert(exponent >= 0);
  static const std::array<Integer, kTabledPowers> tabled = Powers<Integer, kTabledPowers>();
  if (exponent < kTabledPowers) return tabled[exponent];
  thread_local std::map<int, Integer> larger;
  auto [at, added] = larger.try_emplace(exponent);
  if (added) at->second = boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
  return at->second;
}

template <>
const FastInteger& PowerOfTen<FastInteger>(int exponent) {
  assert(exponent >= 0);
  static const std::array<FastInteger, kLargestFastPower + 1> tabled =
      Powers<FastInteger, kLargestFastPower + 1>();
  if (exponent > kLargestFastPower) throw std::overflow_error("10^exponent beyond 128 bits");
  return tabled[exponent];
}

}  // namespace award
