// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
// Prints, as one JSON object, the texts that the page's markup takes from the
// form and award layers: the six fields' labels by the page's element ids, the
// reports' proposed file names, the award section's title, labels, help
// texts, guarantee kinds and the range and default of its decimals, and
// "awardFigures", the rows of the award check's figures in their table's
// order ({"id", "label", "omittedWhenEmpty"} each). Run by Node when the page
// is built, so that inline_page.py writes them into the page, which shows
// them before its module is ready.
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "award/award_figures.h"
#include "award/award_inputs.h"
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
      {"ordinaryGuarantee", award::GuaranteeKindText(award::GuaranteeKind::Ordinary)},
      {"belowThresholdGuarantee", award::GuaranteeKindText(award::GuaranteeKind::BelowThreshold)},
      {"awardReportFileName", form::kAwardReportFileName},
  };
  std::string json = "{";
  for (const auto& [name, text] : texts) json += Quoted(name) + ":" + Quoted(text) + ",";
  json += Quoted("awardFigures") + ":[";
  for (const award::FigureRow& row : award::kFigures) {
    if (!award::IsLine(row)) continue;
    if (json.back() != '[') json += ",";
    json += "{" + Quoted("id") + ":" + Quoted(row.id) + "," + Quoted("label") + ":" + Quoted(row.label) +
            "," + Quoted("omittedWhenEmpty") + ":" + (row.omittedWhenEmpty ? "true" : "false") + "}";
  }
  std::puts((json + "]}").c_str());
}
