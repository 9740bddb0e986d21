// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "big_integer.h"

namespace calc_test {

BigInteger::BigInteger(std::uint64_t value) {
  limbs_ = {static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
  Trim();
}

BigInteger BigInteger::PowerOfTen(int n) {
  BigInteger result(1);
  for (int i = 0; i < n; ++i) result.MultiplyBy(10);
  return result;
}

BigInteger BigInteger::PowerOfTwo(int n) {
  BigInteger result;
  result.limbs_.assign(static_cast<std::size_t>(n / 32 + 1), 0);
  result.limbs_.back() = 1u << (n % 32);
  return result;
}

BigInteger& BigInteger::MultiplyBy(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  Trim();
  return *this;
}

int BigInteger::BitLength() const {
  if (limbs_.empty()) return 0;
  return static_cast<int>(32 * (limbs_.size() - 1)) + (32 - __builtin_clz(limbs_.back()));
}

bool BigInteger::Bit(int index) const {
  const auto limb = static_cast<std::size_t>(index / 32);
  return index >= 0 && limb < limbs_.size() && ((limbs_[limb] >> (index % 32)) & 1u) != 0;
}

std::uint64_t BigInteger::Bits64(int from) const {
  std::uint64_t result = 0;
  for (int i = 63; i >= 0; --i) result = (result << 1) | (Bit(from + i) ? 1u : 0u);
  return result;
}

bool BigInteger::AnyBitBelow(int index) const {
  for (int i = 0; i < index; ++i)
    if (Bit(i)) return true;
  return false;
}

bool operator<(const BigInteger& a, const BigInteger& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size();
  for (std::size_t i = a.limbs_.size(); i-- > 0;)
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i];
  return false;
}

void BigInteger::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

RoundedParts RoundToSignificand64(const BigInteger& value) {
  const int shift = value.BitLength() - 64;
  if (shift <= 0) return {value.Bits64(0) << -shift, shift};
  std::uint64_t significand = value.Bits64(shift);
  const bool half = value.Bit(shift - 1);
  const bool aboveHalf = half && value.AnyBitBelow(shift - 1);
  const bool tie = half && !aboveHalf;
  if (aboveHalf || (tie && (significand & 1u) != 0)) {
    ++significand;
    if (significand == 0) return {std::uint64_t{1} << 63, shift + 1};
  }
  return {significand, shift};
}

}  // namespace calc_test
