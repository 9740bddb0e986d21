// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/input_reading.h"

#include <string>

#include "award/award_error.h"
#include "award/decimal_text.h"

namespace award {
namespace {

// Each input's rule and the sentences that name it.
struct InputRule {
  const std::string AwardInputs::*text;
  Decimal ReadInputs::*decimal;
  bool required;       // empty: no figures (the form computes nothing then); else empty reads as 0
  bool writtenAmount;  // read as written, marks checked; else the lenient main-field reading
  bool amountInEuro;   // more than two decimals earn a warning
  std::string_view label;
  std::string_view readAs;
  const char* subject;  // "Gli oneri della sicurezza", the sentence's subject
  const char* noDigits;
  const char* negative;
};

constexpr InputRule kRules[] = {
    {&AwardInputs::baseAmount, &ReadInputs::base, true, false, true, kBaseAmountLabel, "letto come",
     "L'importo a base d'asta", "non contiene cifre.", "non può essere negativo."},
    {&AwardInputs::discount, &ReadInputs::discount, true, false, false, kDiscountLabel, "letta come",
     "La percentuale di ribasso", "non contiene cifre.", "non può essere negativa."},
    {&AwardInputs::contractorTotal, &ReadInputs::contractor, true, false, true, kContractorTotalLabel,
     "letto come", "L'importo totale dei lavori proposto dall'Impresa", "non contiene cifre.",
     "non può essere negativo."},
    {&AwardInputs::safetyCosts, &ReadInputs::safety, false, true, true, kSafetyCostsLabel, "letti come",
     "Gli oneri della sicurezza", "non contengono cifre.", "non possono essere negativi."},
    {&AwardInputs::labourCosts, &ReadInputs::labour, false, true, true, kLabourCostsLabel, "letti come",
     "I costi della manodopera", "non contengono cifre.", "non possono essere negativi."},
};

[[noreturn]] void Refuse(const InputRule& rule, std::string_view predicate) {
  throw AwardError(std::string(rule.subject) + " " + std::string(predicate));
}

// "vanno scritti come 30.000,00: il punto separa le migliaia, a gruppi di tre cifre."
[[noreturn]] void RefuseMisgrouped(const InputRule& rule, char separator) {
  const bool comma = separator == ',';
  Refuse(rule, std::string("vanno scritti come ") +
                   (comma ? "30.000,00: il punto" : "30,000.00: la virgola") +
                   " separa le migliaia, a gruppi di tre cifre.");
}

Decimal ReadOne(const InputRule& rule, std::string_view text, char separator) {
  if (text.find('-') != std::string_view::npos) Refuse(rule, rule.negative);
  if (text.empty() && !rule.required) return {};
  if (!rule.writtenAmount) {
    std::optional<Decimal> decimal = ReadDecimal(text, separator);
    if (!decimal) Refuse(rule, rule.noDigits);
    return std::move(*decimal);
  }
  WrittenDecimal written = ReadWrittenDecimal(text, separator);
  switch (written.fault) {
    case WrittenDecimal::Fault::NoDigits: Refuse(rule, rule.noDigits);
    case WrittenDecimal::Fault::Misgrouped: RefuseMisgrouped(rule, separator);
    case WrittenDecimal::Fault::None: break;
  }
  return std::move(written.decimal);
}

}  // namespace

ReadInputs ReadAwardInputs(const AwardInputs& inputs, char separator) {
  ReadInputs read;
  for (const InputRule& rule : kRules) {
    Decimal& decimal = read.*rule.decimal;
    decimal = ReadOne(rule, inputs.*rule.text, separator);
    if (rule.amountInEuro && decimal.places > 2) {
      read.overPrecise.push_back({.label = rule.label,
                                  .readAs = rule.readAs,
                                  .typedPointIsDecimal = !rule.writtenAmount,
                                  .amount = decimal});
    }
  }
  return read;
}

}  // namespace award
