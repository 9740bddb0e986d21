// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// ScaleByPowerOfTen: x × 10^n in extended precision, applied as up to three
// rounded multiplications (or divisions, for negative n) by table values, each
// the extended value nearest the exact power of ten. Both amount reading and
// number formatting scale through it, so they share its rounding.

#include "calc/extended.h"

namespace calc {

// Valid for |n| < 5120; the factors are 10^(|n| mod 32), then
// 10^(32 × ((|n| div 32) mod 16)) when that is not 10^0, then
// 10^(512 × (|n| div 512)) when that is not 10^0. The first is applied even
// when it is 10^0.
Extended ScaleByPowerOfTen(Extended x, int n);

// The table entry nearest 10^n, for 0 ≤ n ≤ 31, n = 32·j (1 ≤ j ≤ 15) and
// n = 512·j (1 ≤ j ≤ 9). Exposed for tests.
Extended PowerOfTen(int n);

}  // namespace calc
