// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/award_report.h"

#include <optional>
#include <string_view>

#include "award/award_answer.h"
#include "award/award_error.h"
#include "award/decimal_text.h"
#include "report/label_tabs.h"
#include "report/report_heading.h"
#include "report/report_rtf.h"

namespace report {
namespace {

// An input amount as the report shows it: its own digits and places,
// grouped by thousands; an empty input reads as 0.
std::string ShownInput(std::string_view text, char separator) {
  const std::optional<award::Decimal> decimal = award::ReadDecimal(text, separator);
  return award::DecimalText(decimal.value_or(award::Decimal{}), separator, true);
}

// "Label:", the tabs to the value's column, the value.
void Append(ReportBuffer& buffer, std::string_view label, std::string_view value) {
  buffer.AppendLine(std::string(label) + ":" +
                    std::string(static_cast<std::size_t>(TabsAfterLabel(label)), '\t') + std::string(value));
}

}  // namespace

void BuildAwardReport(ReportBuffer& buffer, const award::AwardInputs& inputs, char separator) {
  // 1. The figures, before the buffer is touched: inputs that give none
  //    leave it as it was.
  award::AwardAnswer answer = award::AnswerAward(inputs, separator, award::Digits::Grouped);
  if (!answer.texts) throw award::AwardError(answer.error);
  const award::AwardTexts& texts = *answer.texts;

  // 2. Arial 12, the title in bold navy, two empty lines; then what the
  //    check warns of, so that an amount the user did not mean is never
  //    printed without it.
  StartReport(buffer, std::string(award::kAwardTitle) + ".");
  for (const std::string& warning : texts.warnings) buffer.AppendLine("Avviso: " + warning + ".");
  if (!texts.warnings.empty()) buffer.AppendLine("");

  // 3. The inputs.
  Append(buffer, award::kBaseAmountLabel, ShownInput(inputs.baseAmount, separator));
  Append(buffer, award::kSafetyCostsLabel, ShownInput(inputs.safetyCosts, separator));
  Append(buffer, award::kLabourCostsLabel, ShownInput(inputs.labourCosts, separator));
  Append(buffer, award::kDiscountLabel, ShownInput(inputs.discount, separator) + " %");
  Append(buffer, award::kDiscountDecimalsLabel, std::to_string(inputs.discountDecimals));
  Append(buffer, award::kContractorTotalReportLabel, ShownInput(inputs.contractorTotal, separator));
  Append(buffer, award::kGuaranteeKindLabel, award::GuaranteeKindText(inputs.guaranteeKind));

  // 4. The figures, each on its line.
  buffer.AppendLine("");
  for (const award::FigureRow& row : award::kFigures) {
    if (award::HasLine(texts, row)) Append(buffer, row.label, award::TextWithUnit(texts, row));
  }
}
std::string AwardReportRtf(const award::AwardInputs& inputs, char separator) {
  ReportBuffer buffer;
  BuildAwardReport(buffer, inputs, separator);
  return ReportRtf(buffer);
}

}  // namespace report
