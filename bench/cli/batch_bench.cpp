// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The companion's batch path on a million rows of tender figures: parsing,
// computing and writing, from a temporary file to /dev/null. Items per
// second are rows per second.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "cli/batch.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Base amounts with cents, discounts with up to three decimals and
// contractor's totals near the computed one; one row in a thousand divides
// by zero and one has an empty field, as a real spreadsheet might.
File RowsFile(std::size_t rows) {
  File file(std::tmpfile());
  std::mt19937_64 random(42);
  std::string text;
  for (std::size_t i = 0; i < rows; ++i) {
    std::uint64_t base = 100'000 + random() % 50'000'000;
    unsigned discount = random() % 40'000;
    std::uint64_t total = base - base * discount / 100'000 + random() % 1000;
    if (i % 1000 == 1) total = 0;
    text += std::to_string(base) + "," + std::to_string(random() % 100) + ";" +
            std::to_string(discount / 1000) + "," + std::to_string(discount % 1000) + ";" +
            (i % 1000 == 2 ? "" : std::to_string(total)) + "\r\n";
    if (text.size() > (1 << 20)) {
      std::fwrite(text.data(), 1, text.size(), file.get());
      text.clear();
    }
  }
  std::fwrite(text.data(), 1, text.size(), file.get());
  return file;
}

void BM_BatchMillionRows(benchmark::State& state) {
  const auto rows = static_cast<std::size_t>(state.range(0));
  File input = RowsFile(rows);
  File output(std::fopen("/dev/null", "wb"));
  for (auto _ : state) {
    std::rewind(input.get());
    cli::RunBatch(input.get(), output.get(),
                  {.delimiter = ';', .separator = ',', .header = false, .award = {}});
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * rows));
}
BENCHMARK(BM_BatchMillionRows)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
