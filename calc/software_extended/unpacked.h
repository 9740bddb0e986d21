// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// An operand of the software extended arithmetic taken apart: its class, its
// sign and, for a finite non-zero value, a normalised significand with an
// unbounded exponent, so that the operations never look at the packed layout;
// and the x87's rules for the NaN that an operation returns.

#include <cstdint>

#include "calc/software_extended/float80.h"

namespace calc::soft_extended {

inline constexpr int kExponentBias = 16383;
inline constexpr std::uint16_t kMaxExponentField = 0x7FFF;
inline constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;
inline constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;

// The x87's default NaN ("real indefinite"): negative, quiet, no payload.
inline constexpr Float80 kDefaultNaN{kLeadingBit | kQuietBit, 0xFFFF};

struct Unpacked {
  enum class Kind {
    kZero,
    kFinite,  // value = significand × 2^(exponent − 63), top bit of significand set
    kInfinity,
    kNaN,          // significand is the stored one, payload and quiet bit included
    kUnsupported,  // unnormal, pseudo-infinity or pseudo-NaN: an invalid operand
  };
  Kind kind = Kind::kZero;
  bool negative = false;
  int exponent = 0;
  std::uint64_t significand = 0;

  bool IsNaNOrUnsupported() const { return kind == Kind::kNaN || kind == Kind::kUnsupported; }
  bool IsSignalingNaN() const { return kind == Kind::kNaN && (significand & kQuietBit) == 0; }
};

Unpacked Unpack(Float80 value);

// The result of a two-operand operation of which at least one operand is a NaN
// or unsupported, as the x87 gives it: an unsupported operand gives the
// default NaN; otherwise a quiet NaN beats a signalling one, and between two
// of the same kind the larger significand wins (the positive one between
// equal significands); the result is quieted. A signalling NaN or an
// unsupported operand raises invalid.
Float80 PropagateNaN(const Unpacked& a, const Unpacked& b, Flags& flags);
// The same for one operand.
Float80 PropagateNaN(const Unpacked& a, Flags& flags);

}  // namespace calc::soft_extended
