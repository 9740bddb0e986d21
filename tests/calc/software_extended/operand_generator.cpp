// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "tests/calc/software_extended/operand_generator.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;
constexpr int kBias = 16383;
constexpr int kMaxField = 0x7FFF;

std::uint16_t SignExponent(bool negative, int field) {
  return static_cast<std::uint16_t>((negative ? 0x8000 : 0) | field);
}

}  // namespace

std::uint64_t OperandGenerator::Significand() {
  // Shapes: random bits; a few set bits (exact results, ties); a run of ones
  // then zeros (carries); all ones; random bits ending in a long zero run.
  switch (Between(0, 5)) {
    case 0:
    case 1: return Bits();
    case 2: {
      std::uint64_t bits = 0;
      for (int i = Between(1, 4); i > 0; --i) bits |= std::uint64_t{1} << Between(0, 63);
      return bits;
    }
    case 3: return ~std::uint64_t{0} << Between(0, 63);
    case 4: return ~std::uint64_t{0} >> Between(0, 63) ^ (Bits() & 1);
    default: return Bits() & (~std::uint64_t{0} << Between(1, 63));
  }
}

OperandGenerator::Float80 OperandGenerator::Finite(int field) {
  const bool negative = (Bits() & 1) != 0;
  std::uint64_t significand = Significand();
  if (field != 0) {
    significand |= kLeadingBit;
  } else if (significand == 0) {
    significand = 1;
  }
  return {significand, SignExponent(negative, field)};
}

OperandGenerator::Float80 OperandGenerator::Special() {
  const bool negative = (Bits() & 1) != 0;
  switch (Between(0, 4)) {
    case 0: return {0, SignExponent(negative, 0)};
    case 1: return {kLeadingBit, SignExponent(negative, kMaxField)};
    case 2:  // quiet NaN with a payload (possibly none: the default NaN's pattern)
      return {kLeadingBit | (std::uint64_t{1} << 62) | (Bits() >> Between(2, 64 - 1)),
              SignExponent(negative, kMaxField)};
    default: {  // signalling NaN: quiet bit clear, non-zero payload
      std::uint64_t payload = (Bits() >> 2) >> Between(0, 61);
      if (payload == 0) payload = 1;
      return {kLeadingBit | payload, SignExponent(negative, kMaxField)};
    }
  }
}

OperandGenerator::Float80 OperandGenerator::Next() {
  switch (Between(0, 9)) {
    case 0:
    case 1: return Finite(Between(0, kMaxField - 1));
    case 2:
    case 3:
    case 4: return Finite(kBias + Between(-70, 70));
    case 5: return Finite(Between(0, 70));
    case 6: return Finite(kMaxField - 1 - Between(0, 70));
    case 7: return NearDoubleEdges();
    default: return Special();
  }
}

OperandGenerator::Float80 OperandGenerator::Near(Float80 x) {
  const int field = x.signExponent & kMaxField;
  if (field == kMaxField || Between(0, 9) == 0) return Next();
  const int nearField = std::clamp(field + Between(-70, 70), 0, kMaxField - 1);
  if (Between(0, 3) == 0) {
    // Nearly the same magnitude: x with a few low or high bits changed.
    std::uint64_t significand = x.significand ^ (Bits() >> Between(0, 63)) ^ (Bits() << Between(32, 63));
    if (field != 0) significand |= kLeadingBit;
    return {significand, SignExponent((Bits() & 1) != 0, field)};
  }
  return Finite(nearField);
}

OperandGenerator::Float80 OperandGenerator::NearDoubleEdges() {
  // Double's largest binade, its smallest normal binade, its subnormal
  // range and just below it, and beyond both ends.
  static constexpr int kCentres[] = {kBias + 1023,      kBias - 1022, kBias - 1022 - 52,
                                     kBias - 1022 - 26, kBias + 1024, kBias - 1075};
  const int centre = kCentres[Between(0, 5)];
  const Float80 value = Finite(centre + Between(-3, 3));
  if (Between(0, 2) != 0) return value;
  // Significands whose bits below double's last place sit at or near a tie.
  std::uint64_t significand = (Bits() | kLeadingBit) & ~std::uint64_t{0x7FF};
  significand |= std::uint64_t{0x400} ^ (Between(0, 2) == 0 ? Bits() & 0x3 : 0);
  return {significand, value.signExponent};
}

OperandGenerator::Float80 OperandGenerator::NearIntegers() {
  Float80 value = Finite(kBias + Between(-3, 66));
  if (Between(0, 2) == 0) {
    // A fraction of exactly one half above an integer.
    const int field = value.signExponent & kMaxField;
    const int integerBits = field - kBias + 1;
    if (integerBits >= 1 && integerBits < 64) {
      const std::uint64_t half = kLeadingBit >> integerBits;
      value.significand = (value.significand & ~(half * 2 - 1)) | half;
    }
  }
  return value;
}

OperandGenerator::Float80 OperandGenerator::Unsupported() {
  const int field = Between(0, 3) == 0 ? kMaxField : Between(1, kMaxField - 1);
  return {Bits() & ~kLeadingBit, SignExponent((Bits() & 1) != 0, field)};
}

double OperandGenerator::NextDouble() {
  const std::uint64_t sign = Bits() & (std::uint64_t{1} << 63);
  std::uint64_t field = 0;
  switch (Between(0, 5)) {
    case 0:
      field = 0;  // zero and subnormals
      break;
    case 1: field = static_cast<std::uint64_t>(Between(2045, 2047)); break;
    default: field = static_cast<std::uint64_t>(Between(0, 2047));
  }
  const std::uint64_t fraction = Significand() >> 12;
  return std::bit_cast<double>(sign | (field << 52) | fraction);
}
