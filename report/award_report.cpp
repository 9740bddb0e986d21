// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/award_report.h"

#include <optional>
#include <string_view>

#include "award/award_texts.h"
#include "award/decimal_text.h"
#include "report/report_heading.h"
#include "report/report_rtf.h"

namespace report {
namespace {

// An input amount as the report shows it: its own digits and places,
// grouped by thousands; an empty input reads as 0.
std::string ShownInput(std::string_view text, char separator) {
  const std::optional<award::Decimal> decimal = award::ReadDecimal(text, separator);
  return award::ShowDecimal(decimal.value_or(award::Decimal{}), separator, true);
}

// Each label is followed by the tabs that bring its value, in Arial 12, to the
// eighth default tab stop (4 inches), counted from the label's width.
struct Line {
  std::string_view label;
  int tabs;
};

constexpr Line kBase{"Importo a base d'asta", 5};
constexpr Line kSafety{award::kSafetyCostsLabel, 2};
constexpr Line kLabour{award::kLabourCostsLabel, 2};
constexpr Line kDiscount{"Percentuale di ribasso aggiudicatrice", 3};
constexpr Line kDecimals{award::kDiscountDecimalsLabel, 2};
constexpr Line kContractor{"Importo totale dei lavori (Impresa)", 3};
constexpr Line kGuaranteeKind{award::kGuaranteeKindLabel, 7};
constexpr Line kDiscountedBase{award::kDiscountedBaseLabel, 4};
constexpr Line kContractAmount{award::kContractAmountLabel, 5};
constexpr Line kInWords{award::kAmountInWordsLabel, 4};
constexpr Line kImpliedDiscount{award::kImpliedDiscountLabel, 4};
constexpr Line kDifference{award::kContractorMinusContractLabel, 3};
constexpr Line kOutcome{award::kOutcomeLabel, 8};
constexpr Line kNote{award::kNoteLabel, 8};
constexpr Line kGuarantee{award::kGuaranteeLabel, 6};

void Append(ReportBuffer& buffer, const Line& line, std::string_view value) {
  buffer.AppendLine(std::string(line.label) + ":" + std::string(static_cast<std::size_t>(line.tabs), '\t') +
                    std::string(value));
}

}  // namespace

void BuildAwardReport(ReportBuffer& buffer, const award::AwardInputs& inputs, char separator) {
  // 1. The figures, before the buffer is touched: inputs that give none
  //    leave it as it was.
  const award::AwardTexts texts = award::ShowAward(award::CheckAward(inputs, separator), separator, true);

  // 2. Arial 12, the title in bold navy, two empty lines.
  StartReport(buffer, "Verifica dell'aggiudicazione.");

  // 3. The inputs.
  Append(buffer, kBase, ShownInput(inputs.baseAmount, separator));
  Append(buffer, kSafety, ShownInput(inputs.safetyCosts, separator));
  Append(buffer, kLabour, ShownInput(inputs.labourCosts, separator));
  Append(buffer, kDiscount, ShownInput(inputs.discount, separator) + " %");
  Append(buffer, kDecimals, std::to_string(inputs.discountDecimals));
  Append(buffer, kContractor, ShownInput(inputs.contractorTotal, separator));
  Append(buffer, kGuaranteeKind, award::GuaranteeKindText(inputs.guarantee));

  // 4. The results, the outcome and the note on the discount's decimals.
  buffer.AppendLine("");
  Append(buffer, kDiscountedBase, texts.discountedBase);
  Append(buffer, kContractAmount, texts.contractAmount);
  Append(buffer, kInWords, texts.amountInWords);
  Append(buffer, kImpliedDiscount, texts.impliedDiscount + " %");
  Append(buffer, kDifference, texts.contractorMinusContract);
  Append(buffer, kOutcome, texts.outcome);
  if (!texts.note.empty()) Append(buffer, kNote, texts.note);
  Append(buffer, kGuarantee, texts.guarantee);
}

std::string AwardReportRtf(const award::AwardInputs& inputs, char separator) {
  ReportBuffer buffer;
  BuildAwardReport(buffer, inputs, separator);
  return ReportRtf(buffer);
}

}  // namespace report
