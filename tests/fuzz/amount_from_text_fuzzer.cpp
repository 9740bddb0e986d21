// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// AmountFromText on any bytes with any separator (the first input byte): it
// never crashes, never returns a negative number or a NaN, fails only with
// the conversion or the overflow error, and depends only on the kept text
// (unless the separator is itself a digit: a separator kept is then read
// again as a digit, so the kept text of the kept text grows).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/amount.h"
#include "calc/calc_error.h"

namespace {

struct Reading {
  bool failed = false;
  calc::ErrorKind kind = calc::ErrorKind::Conversion;
  double value = 0.0;
};

Reading Read(std::string_view text, char separator) {
  try {
    return {false, calc::ErrorKind::Conversion, calc::AmountFromText(text, separator)};
  } catch (const calc::CalcError& error) {
    return {true, error.kind(), 0.0};
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char separator = static_cast<char>(data[0]);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const Reading reading = Read(text, separator);
  if (reading.failed) {
    if (reading.kind != calc::ErrorKind::Conversion && reading.kind != calc::ErrorKind::Overflow)
      std::abort();
  } else if (std::isnan(reading.value) || std::signbit(reading.value) || std::isinf(reading.value)) {
    std::abort();
  }

  // Reading the kept text again gives the same outcome.
  if (separator >= '0' && separator <= '9') return 0;
  const Reading again = Read(calc::KeptText(text, separator), separator);
  if (again.failed != reading.failed || again.kind != reading.kind) std::abort();
  if (!reading.failed && again.value != reading.value) std::abort();
  return 0;
}
