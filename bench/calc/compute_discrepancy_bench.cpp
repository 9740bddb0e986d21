// One whole ComputeDiscrepancy, from three input texts to three result texts
// written into plain in-memory fields, on realistic tender figures.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "calc/compute_discrepancy.h"
#include "calc/decimal_separator.h"

namespace {

class MemoryFields : public calc::DiscrepancyFields {
 public:
  std::string Text(calc::Field field) const override { return texts[static_cast<std::size_t>(field)]; }
  void SetText(calc::Field field, const std::string& text) override {
    texts[static_cast<std::size_t>(field)] = text;
  }
  void SetSaveEnabled(bool enabled) override { saveEnabled = enabled; }

  std::array<std::string, 6> texts;
  bool saveEnabled = false;
};

struct Tender {
  const char* base;
  const char* discount;
  const char* contractorTotal;
};

// Consecutive runs alternate between tenders, so every run writes its results.
constexpr Tender kTenders[] = {
    {"2767605", "97", "5738745"},
    {"250000", "12,5", "220000"},
    {"1.017.865", "94", "5194350"},
    {"1348720,55", "23,417", "1033874,12"},
};

void BM_ComputeDiscrepancy(benchmark::State& state) {
  calc::SetDecimalSeparator(',');
  MemoryFields fields;
  std::size_t i = 0;
  for (auto _ : state) {
    const Tender& tender = kTenders[i];
    fields.texts[0] = tender.base;
    fields.texts[1] = tender.discount;
    fields.texts[2] = tender.contractorTotal;
    calc::ComputeDiscrepancy(fields);
    benchmark::DoNotOptimize(fields.texts);
    i = (i + 1) % std::size(kTenders);
  }
}
BENCHMARK(BM_ComputeDiscrepancy);

}  // namespace
