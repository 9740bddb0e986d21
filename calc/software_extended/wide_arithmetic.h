// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// 128-bit helpers of the software extended arithmetic, written with 64-bit
// integers only so that they compile everywhere (no compiler extension). A
// pair (high, low) is the number high × 2^64 + low.

#include <bit>
#include <cstdint>

namespace calc::soft_extended {

struct Uint128 {
  std::uint64_t high = 0;
  std::uint64_t low = 0;

  friend bool operator==(Uint128, Uint128) = default;
  friend auto operator<=>(Uint128 a, Uint128 b) {
    return a.high != b.high ? a.high <=> b.high : a.low <=> b.low;
  }
};

inline Uint128 AddWide(Uint128 a, Uint128 b, bool& carryOut) {
  const std::uint64_t low = a.low + b.low;
  const std::uint64_t carry = low < a.low ? 1 : 0;
  const std::uint64_t high = a.high + b.high + carry;
  carryOut = high < a.high || (high == a.high && carry != 0);
  return {high, low};
}

// Precondition: a >= b.
inline Uint128 SubtractWide(Uint128 a, Uint128 b) {
  const std::uint64_t borrow = a.low < b.low ? 1 : 0;
  return {a.high - b.high - borrow, a.low - b.low};
}

// The full 128-bit product, from four 32 × 32-bit partial products.
inline Uint128 MultiplyWide(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t lowHigh = aLow * bHigh;
  const std::uint64_t highLow = aHigh * bLow;
  const std::uint64_t highHigh = aHigh * bHigh;
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFu) + (highLow & 0xFFFFFFFFu);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

// Shifted right by count bits (any count >= 0); every bit shifted out is
// ORed into the lowest bit ("jamming"), which keeps the knowledge that the
// value was not exact without keeping its bits.
inline Uint128 ShiftRightJamming(Uint128 x, int count) {
  if (count == 0) return x;
  if (count >= 128) return {0, (x.high | x.low) != 0 ? 1u : 0u};
  if (count >= 64) {
    const int inner = count - 64;
    const std::uint64_t lost = (inner == 0 ? 0 : x.high << (64 - inner)) | x.low;
    return {0, (x.high >> inner) | (lost != 0 ? 1u : 0u)};
  }
  const std::uint64_t lost = x.low << (64 - count);
  return {x.high >> count, (x.high << (64 - count)) | (x.low >> count) | (lost != 0 ? 1u : 0u)};
}

// Precondition: 0 <= count < 128 and no set bit is shifted out.
inline Uint128 ShiftLeft(Uint128 x, int count) {
  if (count == 0) return x;
  if (count >= 64) return {x.low << (count - 64), 0};
  return {(x.high << count) | (x.low >> (64 - count)), x.low << count};
}

inline int CountLeadingZeros(Uint128 x) {
  return x.high != 0 ? std::countl_zero(x.high) : 64 + std::countl_zero(x.low);
}

}  // namespace calc::soft_extended
