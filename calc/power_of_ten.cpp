// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/power_of_ten.h"

#include <array>
#include <cassert>
#include <cstdlib>

namespace calc {
namespace {

// An extended value as its 64-bit significand and binary exponent:
// significand × 2^exponent. Each entry is the extended value nearest the
// exact power of ten, ties to even (10^0 to 10^27 are exact).
struct Parts {
  std::uint64_t significand;
  int exponent;
};

// 10^0 … 10^31.
// clang-format off
constexpr std::array<Parts, 32> kOnes = {{
    {0x8000000000000000, -63}, {0xa000000000000000, -60}, {0xc800000000000000, -57},
    {0xfa00000000000000, -54}, {0x9c40000000000000, -50}, {0xc350000000000000, -47},
    {0xf424000000000000, -44}, {0x9896800000000000, -40}, {0xbebc200000000000, -37},
    {0xee6b280000000000, -34}, {0x9502f90000000000, -30}, {0xba43b74000000000, -27},
    {0xe8d4a51000000000, -24}, {0x9184e72a00000000, -20}, {0xb5e620f480000000, -17},
    {0xe35fa931a0000000, -14}, {0x8e1bc9bf04000000, -10}, {0xb1a2bc2ec5000000, -7},
    {0xde0b6b3a76400000, -4},  {0x8ac7230489e80000, 0},   {0xad78ebc5ac620000, 3},
    {0xd8d726b7177a8000, 6},   {0x878678326eac9000, 10},  {0xa968163f0a57b400, 13},
    {0xd3c21bcecceda100, 16},  {0x84595161401484a0, 20},  {0xa56fa5b99019a5c8, 23},
    {0xcecb8f27f4200f3a, 26},  {0x813f3978f8940984, 30},  {0xa18f07d736b90be5, 33},
    {0xc9f2c9cd04674edf, 36},  {0xfc6f7c4045812296, 39},
}};

// 10^32, 10^64, …, 10^480; index j holds 10^(32·j), index 0 unused.
constexpr std::array<Parts, 16> kThirtyTwos = {{
    {0, 0},
    {0x9dc5ada82b70b59e, 43},   {0xc2781f49ffcfa6d5, 149},  {0xefb3ab16c59b14a3, 255},
    {0x93ba47c980e98ce0, 362},  {0xb616a12b7fe617aa, 468},  {0xe070f78d3927556b, 574},
    {0x8a5296ffe33cc930, 681},  {0xaa7eebfb9df9de8e, 787},  {0xd226fc195c6a2f8c, 893},
    {0x81842f29f2cce376, 1000}, {0x9fa42700db900ad2, 1106}, {0xc4c5e310aef8aa17, 1212},
    {0xf28a9c07e9b09c59, 1318}, {0x957a4ae1ebf7f3d4, 1425}, {0xb83ed8dc0795a262, 1531},
}};

// 10^512, 10^1024, …, 10^4608; index j holds 10^(512·j), index 0 unused.
constexpr std::array<Parts, 10> kFiveTwelves = {{
    {0, 0},
    {0xe319a0aea60e91c7, 1637},  {0xc976758681750c17, 3338},  {0xb2b8353b3993a7e4, 5039},
    {0x9e8b3b5dc53d5de5, 6740},  {0x8ca554c020a1f0a6, 8441},  {0xf9895d25d88b5a8b, 10141},
    {0xdd5dc8a2bf27f3f8, 11842}, {0xc46052028a20979b, 13543}, {0xae3511626ed559f0, 15244},
}};
// clang-format on

// The tables widened once, at first use.
struct Tables {
  std::array<Extended, 32> ones;
  std::array<Extended, 16> thirtyTwos;
  std::array<Extended, 10> fiveTwelves;

  Tables() {
    for (std::size_t i = 0; i < ones.size(); ++i)
      ones[i] = Extended::FromParts(kOnes[i].significand, kOnes[i].exponent);
    for (std::size_t i = 1; i < thirtyTwos.size(); ++i)
      thirtyTwos[i] = Extended::FromParts(kThirtyTwos[i].significand, kThirtyTwos[i].exponent);
    for (std::size_t i = 1; i < fiveTwelves.size(); ++i)
      fiveTwelves[i] = Extended::FromParts(kFiveTwelves[i].significand, kFiveTwelves[i].exponent);
  }
};

const Tables& TheTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

Extended ScaleByPowerOfTen(Extended x, int n) {
  if (n == 0) return x;
  const int m = std::abs(n);
  assert(m < 5120);
  const Tables& t = TheTables();
  const int thirtyTwos = (m / 32) % 16;
  const int fiveTwelves = m / 512;
  if (n > 0) {
    x = x * t.ones[m % 32];
    if (thirtyTwos != 0) x = x * t.thirtyTwos[thirtyTwos];
    if (fiveTwelves != 0) x = x * t.fiveTwelves[fiveTwelves];
  } else {
    x = x / t.ones[m % 32];
    if (thirtyTwos != 0) x = x / t.thirtyTwos[thirtyTwos];
    if (fiveTwelves != 0) x = x / t.fiveTwelves[fiveTwelves];
  }
  return x;
}

Extended PowerOfTen(int n) {
  const Tables& t = TheTables();
  if (n >= 0 && n < 32) return t.ones[n];
  if (n >= 512 && n % 512 == 0 && n / 512 < 10) return t.fiveTwelves[n / 512];
  assert(n >= 32 && n % 32 == 0 && n / 32 < 16);
  return t.thirtyTwos[n / 32];
}

}  // namespace calc
