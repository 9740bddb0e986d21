// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/floating_point.h"

#include <cfenv>

namespace app {

void SetFloatingPointEnvironment() {
  // Round to nearest; the arithmetic checks division by zero, invalid
  // operations and overflow itself, so the default (masked) traps stay.
  std::fesetround(FE_TONEAREST);
  std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace app
