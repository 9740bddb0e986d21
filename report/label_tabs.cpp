// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/label_tabs.h"

#include <array>
#include <cassert>

#include "report/utf8.h"

namespace report {
namespace {

// Arial's advance widths of ' ' to '~', in units of 1/2048 em (the metrics
// that its metric-compatible free fonts share).
constexpr std::array<int, 95> kAsciiWidths = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196,
};

constexpr int kUnitsPerEm = 2048;
constexpr int kPointSize = 12;
constexpr int kPointsPerStop = 36;  // half an inch
constexpr int kValueStop = 8;

int AdvanceWidth(char32_t c) {
  if (c >= U' ' && c <= U'~') return kAsciiWidths[c - U' '];
  switch (c) {
    case U'à':
    case U'è':
    case U'é':
    case U'ò':
    case U'ù': return 1139;
    case U'ì': return 569;
    default: break;
  }
  assert(false && "a label character without its width");
  return 2079;  // the widest, so that a value never lands short of its column
}

}  // namespace

int TabsAfterLabel(std::string_view label) {
  int units = AdvanceWidth(U':');
  for (std::size_t at = 0; at < label.size();) units += AdvanceWidth(NextCodePoint(label, &at));
  // The stops the label and its colon pass; a tab then reaches each one
  // after them up to the value's.
  const int passed = units * kPointSize / (kUnitsPerEm * kPointsPerStop);
  assert(passed < kValueStop);
  return kValueStop - passed;
}

}  // namespace report
