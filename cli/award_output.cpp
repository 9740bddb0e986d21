// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/award_output.h"

#include "award/award_error.h"
#include "form/results.h"

namespace cli {

const std::array<std::string_view, kAwardColumns> kAwardColumnTitles = {
    award::kDiscountedBaseLabel,
    award::kContractAmountLabel,
    award::kAmountInWordsLabel,
    award::kImpliedDiscountLabel,
    award::kContractorMinusContractLabel,
    award::kOutcomeLabel,
    "Garanzia definitiva (%)",
    award::kGuaranteeLabel,
    award::kNoteLabel,
    "Errore della verifica",
};

award::AwardInputs AwardInputsOf(const AwardOptions& options, std::string_view baseAmount,
                                 std::string_view discount, std::string_view contractorTotal) {
  return {
      .baseAmount = std::string(baseAmount),
      .discount = std::string(discount),
      .contractorTotal = std::string(contractorTotal),
      .safetyCosts = options.safetyCosts,
      .labourCosts = options.labourCosts,
      .discountDecimals = options.discountDecimals,
      .guarantee = options.belowThreshold ? award::Guarantee::BelowThreshold : award::Guarantee::Ordinary};
}

std::string AwardLines(const award::AwardTexts& texts) {
  const auto line = [](std::string_view label, std::string_view value, std::string_view unit = "") {
    return std::string(label) + ": " + std::string(value) + std::string(unit) + "\n";
  };
  std::string lines = line(award::kDiscountedBaseLabel, texts.discountedBase) +
                      line(award::kContractAmountLabel, texts.contractAmount) +
                      line(award::kAmountInWordsLabel, texts.amountInWords) +
                      line(award::kImpliedDiscountLabel, texts.impliedDiscount, " %") +
                      line(award::kContractorMinusContractLabel, texts.contractorMinusContract) +
                      line(award::kOutcomeLabel, texts.outcome);
  if (!texts.note.empty()) lines += line(award::kNoteLabel, texts.note);
  return lines + line(award::kGuaranteeLabel, texts.guarantee);
}

std::array<std::string_view, kAwardColumns> AwardRow::Cells() const {
  return {texts.discountedBase,
          texts.contractAmount,
          texts.amountInWords,
          texts.impliedDiscount,
          texts.contractorMinusContract,
          texts.outcome,
          texts.guaranteePercent,
          texts.guaranteeAmount,
          texts.note,
          error};
}

AwardRow ComputeAwardRow(const award::AwardInputs& inputs, char separator) {
  if (form::AnyInputEmpty(inputs.baseAmount, inputs.discount, inputs.contractorTotal)) return {};
  try {
    return {.texts = award::ShowAward(award::CheckAward(inputs, separator), separator, false), .error = {}};
  } catch (const award::AwardError& error) {
    return {.texts = {}, .error = error.what()};
  }
}

}  // namespace cli
