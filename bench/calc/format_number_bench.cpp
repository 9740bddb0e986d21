// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// FormatNumber beside the C library's "%.15g" on the same doubles.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "calc/format_number.h"
#include "samples.h"

namespace {

void BM_FormatNumber(benchmark::State& state) {
  const auto& values = calc_bench::ResultValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::FormatNumber(values[i], ','));
    i = (i + 1) % values.size();
  }
}
BENCHMARK(BM_FormatNumber);

void BM_SnprintfG15(benchmark::State& state) {
  const auto& values = calc_bench::ResultValues();
  std::size_t i = 0;
  char buffer[32];
  for (auto _ : state) {
    std::snprintf(buffer, sizeof buffer, "%.15g", values[i]);
    benchmark::DoNotOptimize(buffer);
    i = (i + 1) % values.size();
  }
}
BENCHMARK(BM_SnprintfG15);

}  // namespace
