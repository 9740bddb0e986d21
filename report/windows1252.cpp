// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/windows1252.h"

#include <algorithm>
#include <array>
#include <utility>

namespace report {

namespace {

// The characters of bytes 0x80 to 0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

// The lowest and highest of them, so that most characters need no look at
// the table.
constexpr auto kHighControlsRange = [] {
  std::pair<char16_t, char16_t> range{0xFFFF, 0};
  for (const char16_t character : kHighControls) {
    if (character == 0) continue;
    range.first = std::min(range.first, character);
    range.second = std::max(range.second, character);
  }
  return range;
}();

}  // namespace

std::optional<unsigned char> ToWindows1252(char32_t character) {
  // Below 0x80 and from 0xA0 to 0xFF the code page is ISO 8859-1, the first
  // 256 code points.
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<unsigned char>(character);
  }
  if (character < kHighControlsRange.first || character > kHighControlsRange.second) return std::nullopt;
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == character) {
      return static_cast<unsigned char>(0x80 + i);
    }
  }
  return std::nullopt;
}

}  // namespace report
