// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
// One whole edit of the form, from three input texts to three result texts
// shown through a view that keeps them in memory, on realistic tender figures.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "calc/decimal_separator.h"
#include "form/form.h"

namespace {

class MemoryView : public form::FormView {
 public:
  void ShowInput(form::Input, const std::string&) override {}
  void ShowResult(form::Result result, const std::string& text) override {
    results[static_cast<std::size_t>(result)] = text;
  }
  void ShowSaveEnabled(bool enabled) override { saveEnabled = enabled; }

  std::array<std::string, form::kResults.size()> results;
  bool saveEnabled = false;
};

struct Tender {
  const char* base;
  const char* discount;
  const char* contractorTotal;
};

// Consecutive edits alternate between tenders, so every edit computes and
// shows its results.
constexpr Tender kTenders[] = {
    {"2767605", "97", "5738745"},
    {"250000", "12,5", "220000"},
    {"1.017.865", "94", "5194350"},
    {"1348720,55", "23,417", "1033874,12"},
};

void BM_FormEdit(benchmark::State& state) {
  calc::SetDecimalSeparator(',');
  MemoryView view;
  form::Form form(view);
  std::size_t i = 0;
  for (auto _ : state) {
    const Tender& tender = kTenders[i];
    // The base and the discount are set without a computation first: the
    // contractor's total is emptied, so only the last edit computes.
    form.EditInput(form::Input::ContractorTotal, "");
    form.EditInput(form::Input::BaseAmount, tender.base);
    form.EditInput(form::Input::Discount, tender.discount);
    form.EditInput(form::Input::ContractorTotal, tender.contractorTotal);
    benchmark::DoNotOptimize(view.results);
    i = (i + 1) % std::size(kTenders);
  }
}
BENCHMARK(BM_FormEdit);

}  // namespace
