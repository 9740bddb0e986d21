// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The process-wide floating-point environment, set once at start-up before
// any arithmetic runs.

namespace app {

// Rounding to nearest (ties to even), no exception flag pending, no trap
// enabled: the discrepancy arithmetic tests its operands and results
// explicitly and raises its errors itself, so nothing ever traps.
void SetFloatingPointEnvironment();

}  // namespace app
