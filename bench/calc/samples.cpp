// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "samples.h"

#include <cstdio>
#include <random>

namespace calc_bench {
namespace {

constexpr int kSamples = 1024;

}  // namespace

const std::vector<double>& ResultValues() {
  static const std::vector<double> values = [] {
    std::mt19937_64 random(20260408);
    std::uniform_int_distribution<long long> cents(1, 2000000000LL);
    std::uniform_real_distribution<double> share(-1.0, 1.0);
    std::vector<double> result;
    for (int i = 0; i < kSamples; ++i) {
      const double base = static_cast<double>(cents(random)) / 100.0;
      const double discount = static_cast<double>(cents(random) % 10000) / 100.0;
      const double computed = base - base * (discount / 100.0);  // a computed total
      const double difference = computed * share(random);        // a difference
      switch (i % 3) {
        case 0: result.push_back(computed); break;
        case 1: result.push_back(difference); break;
        default: result.push_back(difference * 100.0 / (computed + difference)); break;  // a percentage
      }
    }
    return result;
  }();
  return values;
}

const std::vector<std::string>& AmountTexts() {
  static const std::vector<std::string> texts = [] {
    std::mt19937_64 random(20260409);
    std::uniform_int_distribution<long long> cents(1, 2000000000LL);
    std::vector<std::string> result;
    char buffer[64];
    for (int i = 0; i < kSamples; ++i) {
      const long long amount = cents(random);
      switch (i % 4) {
        case 0: std::snprintf(buffer, sizeof buffer, "%lld", amount / 100); break;  // 2767605
        case 1: std::snprintf(buffer, sizeof buffer, "%lld.%02lld", amount / 100, amount % 100); break;
        case 2: std::snprintf(buffer, sizeof buffer, "%lld.%lld", amount % 100, amount % 10); break;  // 12.5
        default: std::snprintf(buffer, sizeof buffer, "%lld", amount % 100); break;                   // 97
      }
      result.emplace_back(buffer);
    }
    return result;
  }();
  return texts;
}

}  // namespace calc_bench
