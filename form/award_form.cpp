// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/award_form.h"

#include <utility>

#include "award/award_answer.h"
#include "calc/decimal_separator.h"
#include "form/fields.h"
#include "form/replace.h"
#include "report/award_report.h"

namespace form {

AwardForm::AwardForm(AwardView& view) : view_(view) {}

void AwardForm::FollowMainInputs(const Form& mainForm) {
  bool changed = Replace(inputs_.baseAmount, mainForm.InputText(Input::BaseAmount));
  changed |= Replace(inputs_.discount, mainForm.InputText(Input::Discount));
  changed |= Replace(inputs_.contractorTotal, mainForm.InputText(Input::ContractorTotal));
  if (changed) Compute();
}

void AwardForm::EditSafetyCosts(std::string text) {
  if (Replace(inputs_.safetyCosts, std::move(text))) Compute();
}

void AwardForm::EditLabourCosts(std::string text) {
  if (Replace(inputs_.labourCosts, std::move(text))) Compute();
}

void AwardForm::SetDiscountDecimals(std::optional<int> decimals) {
  bool changed = Replace(discountDecimalsMissing_, !decimals.has_value());
  if (decimals) changed |= Replace(inputs_.discountDecimals, *decimals);
  if (changed) Compute();
}

void AwardForm::SetGuaranteeKind(award::GuaranteeKind kind) {
  if (Replace(inputs_.guaranteeKind, kind)) Compute();
}

std::optional<std::string> AwardForm::ReportRtf() const {
  if (!saveEnabled_) return std::nullopt;
  return report::AwardReportRtf(shownInputs_, shownSeparator_);
}

void AwardForm::Compute() {
  const char separator = calc::DecimalSeparator();
  award::AwardAnswer answer = discountDecimalsMissing_
                                  ? award::AwardAnswer{}
                                  : award::AnswerAward(inputs_, separator, award::Digits::Grouped);
  if (!answer.texts) {
    // The figures shown, if any, belong to earlier inputs: they stay in view
    // but cannot be saved until the check succeeds again.
    SetSaveEnabled(false);
    return ShowError(std::move(answer.error));
  }
  shownInputs_ = inputs_;
  shownSeparator_ = separator;
  if (Replace(texts_, std::move(*answer.texts))) view_.ShowAwardTexts(texts_);
  ShowError({});
  SetSaveEnabled(true);
}

void AwardForm::ShowError(std::string line) {
  if (Replace(errorLine_, std::move(line))) view_.ShowAwardError(errorLine_);
}

void AwardForm::SetSaveEnabled(bool enabled) {
  if (Replace(saveEnabled_, enabled)) view_.ShowAwardSaveEnabled(enabled);
}

}  // namespace form
