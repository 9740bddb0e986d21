// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
// The test build of the module: one row computed as the companion computes
// it, by form::ComputeResults, for the comparison with the companion and the
// timing of one computation in WebAssembly. The page's module does not hold it.
//   computeTexts(a, p, c, code)   {computedTotal, difference, discrepancy,
//                                 error}, with the separator's character code;
//                                 all "" while an input is empty
#include <emscripten/bind.h>

#include <string>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"
#include "form/results.h"

namespace {

emscripten::val Row(const std::string& computedTotal, const std::string& difference,
                    const std::string& discrepancy, const std::string& error) {
  emscripten::val row = emscripten::val::object();
  row.set("computedTotal", computedTotal);
  row.set("difference", difference);
  row.set("discrepancy", discrepancy);
  row.set("error", error);
  return row;
}

// The separator comes as a character code: a string argument would cost a
// conversion on every row of a batch.
emscripten::val ComputeRow(const std::string& baseAmount, const std::string& discount,
                           const std::string& contractorTotal, int separatorCode) {
  const std::string point = separatorCode > 0 && separatorCode < 0x100
                                ? std::string(1, static_cast<char>(separatorCode))
                                : std::string();
  try {
    const auto texts =
        form::ComputeResults(baseAmount, discount, contractorTotal, calc::SeparatorFromDecimalPoint(point));
    if (!texts) return Row({}, {}, {}, {});
    const auto& [computedTotal, difference, discrepancy] = *texts;
    return Row(computedTotal, difference, discrepancy, {});
  } catch (const calc::CalcError& error) {
    return Row({}, {}, {}, error.what());
  }
}

}  // namespace

EMSCRIPTEN_BINDINGS(discordanza_rows) { emscripten::function("computeTexts", &ComputeRow); }
