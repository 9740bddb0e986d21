// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/power_of_ten.h"

#include <gtest/gtest.h>

#include <vector>

#include "big_integer.h"

namespace {

using calc::Extended;

std::vector<int> TablePowers() {
  std::vector<int> powers;
  for (int n = 0; n < 32; ++n) powers.push_back(n);
  for (int j = 1; j < 16; ++j) powers.push_back(32 * j);
  for (int j = 1; j < 10; ++j) powers.push_back(512 * j);
  return powers;
}

// Every table entry re-derived from the exact power with integer arithmetic:
// the nearest 64-bit significand, ties to even.
TEST(PowerOfTen, EveryEntryIsTheNearestExtended) {
  for (const int n : TablePowers()) {
    const calc_test::RoundedParts parts =
        calc_test::RoundToSignificand64(calc_test::BigInteger::PowerOfTen(n));
    EXPECT_TRUE(calc::PowerOfTen(n) == Extended::FromParts(parts.significand, parts.exponent)) << "10^" << n;
  }
}

TEST(PowerOfTen, ExactUpToTenToThe27) {
  std::uint64_t power = 1;
  for (int n = 0; n <= 19; ++n, power *= 10)
    EXPECT_TRUE(calc::PowerOfTen(n) == Extended::FromUint(power)) << n;
  EXPECT_TRUE(calc::PowerOfTen(27) == Extended::FromParts(0xcecb8f27f4200f3a, 26));
}

// x × 10^n through the three factors in their order, each product or
// quotient rounded; the expected parts come from an exact rational model of
// those steps.
struct ScaleRow {
  std::uint64_t x;
  int n;
  std::uint64_t significand;
  int exponent;
};

TEST(ScaleByPowerOfTen, MatchesTheExactModelOfItsSteps) {
  const ScaleRow rows[] = {
      {3, -4930, 0xb275b07df112ac36, -16439}, {3, -1000, 0xc9cfda4cfced1e9b, -3384},
      {3, -341, 0xe0050e99291818f4, -1195},   {3, -33, 0xf93af19cb9784c13, -172},
      {3, -5, 0xfba8826aa8eb4635, -79},       {3, 5, 0x927c000000000000, -45},
      {3, 33, 0x93e952cda8b9aa44, 48},        {3, 340, 0x83a541acb4f4b2d0, 1068},
      {3, 1000, 0xb6aa457b65ee4104, 3260},    {3, 4931, 0x811ad198d118fa7b, 16319},
      {7, -4930, 0xd033f892ee95c8ea, -16438}, {7, -1000, 0xeb727eaf2714a3b5, -3383},
      {7, -341, 0x82ad9dd957f8b939, -1193},   {7, -33, 0x9162624616db81b5, -170},
      {7, -5, 0x92ccf6be37de939f, -77},       {7, 5, 0xaae6000000000000, -44},
      {7, 33, 0xac9035efef8346a5, 49},        {7, 340, 0x999621f42872d09e, 1069},
      {7, 1000, 0xd51bfbbaa195f685, 3261},    {7, 4931, 0x969f49dcf3f2798f, 16320},
  };
  for (const ScaleRow& row : rows) {
    EXPECT_TRUE(calc::ScaleByPowerOfTen(Extended::FromUint(row.x), row.n) ==
                Extended::FromParts(row.significand, row.exponent))
        << row.x << " × 10^" << row.n;
  }
}

TEST(ScaleByPowerOfTen, ZeroLeavesTheValue) {
  const Extended third = Extended::FromUint(1) / Extended::FromUint(3);
  EXPECT_TRUE(calc::ScaleByPowerOfTen(third, 0) == third);
}

}  // namespace
