// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// BitCast: std::bit_cast where the C++ library has it, the compiler's own
// built-in (which std::bit_cast wraps) where it does not, as in the older
// library of the WebAssembly toolchain. Same contract: the object
// representation of `from` read as a `To` of the same size.

#include <bit>
#include <type_traits>
#include <version>

namespace calc {

template <typename To, typename From>
requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
         std::is_trivially_copyable_v<From>) constexpr To BitCast(const From& from) noexcept {
#ifdef __cpp_lib_bit_cast
  return std::bit_cast<To>(from);
#else
  return __builtin_bit_cast(To, from);
#endif
}

}  // namespace calc
