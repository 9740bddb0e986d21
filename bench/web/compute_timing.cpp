// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Times calc::ComputeTexts the way bench/web/compute_timing.js times the
// WebAssembly module: rows "base;discount;total" from standard input, all of
// them computed in a loop, the loop repeated, and the best pass reported as
// nanoseconds a computation. One line of output:
//   <arithmetic> <ns per computation> <rows> <checksum>
// The checksum (total length of the result texts) keeps the work observable
// and lets the two sides be seen to compute the same rows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calc_error.h"
#include "calc/discrepancy.h"
#include "calc/extended.h"

namespace {

struct Row {
  std::string base, discount, total;
};

std::vector<Row> ReadRows(std::istream& input) {
  std::vector<Row> rows;
  std::string line;
  while (std::getline(input, line)) {
    const auto first = line.find(';');
    const auto second = line.find(';', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    rows.push_back(
        {line.substr(0, first), line.substr(first + 1, second - first - 1), line.substr(second + 1)});
  }
  return rows;
}

std::size_t ComputeAll(const std::vector<Row>& rows) {
  std::size_t checksum = 0;
  for (const Row& row : rows) {
    try {
      const calc::DiscrepancyTexts texts = calc::ComputeTexts(row.base, row.discount, row.total, ',');
      checksum += texts.computedTotal.size() + texts.difference.size() + texts.discrepancy.size();
    } catch (const calc::CalcError& error) {
      checksum += std::string_view(error.what()).size();
    }
  }
  return checksum;
}

}  // namespace

int main(int argc, char** argv) {
  const int passes = argc > 1 ? std::stoi(argv[1]) : 7;
  const std::vector<Row> rows = ReadRows(std::cin);
  if (rows.empty()) {
    std::cerr << "compute_timing: no rows on standard input\n";
    return 1;
  }
  double best = 1e300;
  std::size_t checksum = 0;
  for (int pass = 0; pass < passes; ++pass) {
    const auto start = std::chrono::steady_clock::now();
    checksum = ComputeAll(rows);
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count() / static_cast<double>(rows.size()));
  }
#ifdef DISCORDANZA_SOFT_EXTENDED
  const char* arithmetic = "software";
#else
  const char* arithmetic = "hardware";
#endif
  std::printf("%s %.1f %zu %zu\n", arithmetic, best, rows.size(), checksum);
  return 0;
}
