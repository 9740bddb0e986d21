// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// AmountFromText beside the C library's strtod on the same texts.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "calc/amount.h"
#include "samples.h"

namespace {

void BM_AmountFromText(benchmark::State& state) {
  const auto& texts = calc_bench::AmountTexts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::AmountFromText(texts[i], '.'));
    i = (i + 1) % texts.size();
  }
}
BENCHMARK(BM_AmountFromText);

void BM_Strtod(benchmark::State& state) {
  const auto& texts = calc_bench::AmountTexts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::strtod(texts[i].c_str(), nullptr));
    i = (i + 1) % texts.size();
  }
}
BENCHMARK(BM_Strtod);

}  // namespace
