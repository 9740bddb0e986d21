// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The amount fields' lenient rule, written once: of a text, only the ASCII
// digits and the first decimal separator count, in order; everything else is
// dropped. ForEachKept hands each kept character to its reader, so that the
// kept text, the discrepancy's rounded accumulation and the award check's
// exact reading all follow one loop without building a string.

#include <string_view>

namespace calc {

// onSeparator() for the first `separator`; onDigit(digit), digit 0..9, for
// each digit, which returns false to stop reading.
template <class OnSeparator, class OnDigit>
void ForEachKept(std::string_view text, char separator, OnSeparator&& onSeparator, OnDigit&& onDigit) {
  bool separatorKept = false;
  for (const char c : text) {
    if (c == separator && !separatorKept) {
      separatorKept = true;
      onSeparator();
    }
    if (c >= '0' && c <= '9' && !onDigit(static_cast<unsigned>(c - '0'))) return;
  }
}

}  // namespace calc
