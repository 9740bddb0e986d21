// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
// Prints, as one JSON object, the texts that the page's markup takes from the
// form and award layers: the six fields' labels by the page's element ids, the
// reports' proposed file names, and the award section's title, labels, help
// texts, guarantee kinds and the range and default of its decimals. Run by
// Node when the page is built, so that inline_page.py writes them into the
// page, which shows them before its module is ready.
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "award/award_check.h"
#include "award/award_texts.h"
#include "form/field_labels.h"
#include "form/fields.h"
#include "form/report_file_name.h"

namespace {

// A JSON string of plain UTF-8 text: every label and name here is printable.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

int main() {
  const std::string mostDecimals = std::to_string(award::kMostDiscountDecimals);
  const std::string defaultDecimals = std::to_string(award::AwardInputs{}.discountDecimals);
  const std::pair<std::string_view, std::string_view> texts[] = {
      {"baseAmountLabel", form::InputLabel(form::Input::BaseAmount)},
      {"discountLabel", form::InputLabel(form::Input::Discount)},
      {"contractorTotalLabel", form::InputLabel(form::Input::ContractorTotal)},
      {"computedTotalLabel", form::ResultLabel(form::Result::ComputedTotal)},
      {"differenceLabel", form::ResultLabel(form::Result::Difference)},
      {"discrepancyLabel", form::ResultLabel(form::Result::Discrepancy)},
      {"reportFileName", form::kReportFileName},
      {"awardTitle", award::kAwardTitle},
      {"safetyCostsLabel", award::kSafetyCostsLabel},
      {"safetyCostsHelp", award::kSafetyCostsHelp},
      {"labourCostsLabel", award::kLabourCostsLabel},
      {"labourCostsHelp", award::kLabourCostsHelp},
      {"discountDecimalsLabel", award::kDiscountDecimalsLabel},
      {"mostDiscountDecimals", mostDecimals},
      {"discountDecimals", defaultDecimals},
      {"guaranteeKindLabel", award::kGuaranteeKindLabel},
      {"ordinaryGuarantee", award::GuaranteeKindText(award::Guarantee::Ordinary)},
      {"belowThresholdGuarantee", award::GuaranteeKindText(award::Guarantee::BelowThreshold)},
      {"discountedBaseLabel", award::kDiscountedBaseLabel},
      {"contractAmountLabel", award::kContractAmountLabel},
      {"amountInWordsLabel", award::kAmountInWordsLabel},
      {"impliedDiscountLabel", award::kImpliedDiscountLabel},
      {"contractorMinusContractLabel", award::kContractorMinusContractLabel},
      {"outcomeLabel", award::kOutcomeLabel},
      {"guaranteeLabel", award::kGuaranteeLabel},
      {"noteLabel", award::kNoteLabel},
      {"awardReportFileName", form::kAwardReportFileName},
  };
  std::string json = "{";
  for (const auto& [name, text] : texts) {
    if (json.size() > 1) json += ",";
    json += Quoted(name) + ":" + Quoted(text);
  }
  std::puts((json + "}").c_str());
}
