// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The award check's steps on one bid each, over bids as a spreadsheet holds
// them: reading and computing (CheckAward), then the figures as the
// companion writes them (AnswerAward), and for scale the discrepancy texts of
// the same bid, which every row computes with or without the award check.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "award/award_answer.h"
#include "award/award_check.h"
#include "calc/discrepancy.h"

namespace {

// Base amounts, discounts with three decimals and contractor's totals below
// the base, with cents; seeded, so every run times the same bids.
std::vector<award::AwardInputs> Bids() {
  std::mt19937_64 random(24);
  std::vector<award::AwardInputs> bids(4096);
  for (award::AwardInputs& bid : bids) {
    const std::uint64_t base = 100'000 + random() % 99'900'000;
    const unsigned discount = random() % 40'000;
    bid.baseAmount = std::to_string(base);
    bid.discount = std::to_string(discount / 1000) + "," + std::to_string(1000 + discount % 1000).substr(1);
    bid.contractorTotal =
        std::to_string(1000 + random() % (base - 1000)) + "," + std::to_string(10 + random() % 90);
    bid.safetyCosts = "30000";
  }
  return bids;
}

void BM_CheckAward(benchmark::State& state) {
  const std::vector<award::AwardInputs> bids = Bids();
  std::size_t at = 0;
  for (auto _ : state) benchmark::DoNotOptimize(award::CheckAward(bids[at++ % bids.size()], ','));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckAward);

void BM_AnswerAward(benchmark::State& state) {
  const std::vector<award::AwardInputs> bids = Bids();
  std::size_t at = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(award::AnswerAward(bids[at++ % bids.size()], ',', award::Digits::Plain));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnswerAward);

void BM_DiscrepancyTexts(benchmark::State& state) {
  const std::vector<award::AwardInputs> bids = Bids();
  std::size_t at = 0;
  for (auto _ : state) {
    const award::AwardInputs& bid = bids[at++ % bids.size()];
    benchmark::DoNotOptimize(calc::ComputeTexts(bid.baseAmount, bid.discount, bid.contractorTotal, ','));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DiscrepancyTexts);

}  // namespace
