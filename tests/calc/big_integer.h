// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// BigInteger: a small unsigned arbitrary-precision integer for the tests, just
// enough to write exact powers of ten and check the extended values that the
// calculation library derives from them.

#include <cstdint>
#include <string>
#include <vector>

namespace calc_test {

class BigInteger {
 public:
  explicit BigInteger(std::uint64_t value = 0);
  static BigInteger PowerOfTen(int n);
  static BigInteger PowerOfTwo(int n);

  BigInteger& MultiplyBy(std::uint32_t factor);
  int BitLength() const;
  bool Bit(int index) const;
  // Bits [from, from + 64) as an integer.
  std::uint64_t Bits64(int from) const;
  // True when any bit below `index` is set.
  bool AnyBitBelow(int index) const;

  friend bool operator<(const BigInteger& a, const BigInteger& b);

 private:
  std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limb
  void Trim();
};

// The extended value nearest `value` (ties to even), as a 64-bit significand
// with its top bit set and a binary exponent: significand × 2^exponent.
struct RoundedParts {
  std::uint64_t significand;
  int exponent;
};
RoundedParts RoundToSignificand64(const BigInteger& value);

}  // namespace calc_test
