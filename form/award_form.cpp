// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/award_form.h"

#include <tuple>
#include <utility>

#include "award/award_error.h"
#include "calc/decimal_separator.h"
#include "form/fields.h"
#include "form/results.h"
#include "report/award_report.h"

namespace form {
namespace {

auto Tied(const award::AwardTexts& texts) {
  return std::tie(texts.discountedBase, texts.contractAmount, texts.amountInWords, texts.impliedDiscount,
                  texts.contractorMinusContract, texts.outcome, texts.guaranteePercent, texts.guaranteeAmount,
                  texts.guarantee, texts.note);
}

// Sets a held value and reports whether it changed.
template <typename T>
bool Replace(T& held, T value) {
  if (held == value) return false;
  held = std::move(value);
  return true;
}

}  // namespace

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

void AwardForm::SetDiscountDecimals(int decimals) {
  if (Replace(inputs_.discountDecimals, decimals)) Compute();
}

void AwardForm::SetGuarantee(award::Guarantee guarantee) {
  if (Replace(inputs_.guarantee, guarantee)) Compute();
}

std::optional<std::string> AwardForm::ReportRtf() const {
  if (!saveEnabled_) return std::nullopt;
  return report::AwardReportRtf(shownInputs_, shownSeparator_);
}

void AwardForm::Compute() {
  if (AnyInputEmpty(inputs_.baseAmount, inputs_.discount, inputs_.contractorTotal)) {
    ShowError({});
    return SetSaveEnabled(false);
  }
  const char separator = calc::DecimalSeparator();
  award::AwardTexts texts;
  try {
    texts = award::ShowAward(award::CheckAward(inputs_, separator), separator, true);
  } catch (const award::AwardError& error) {
    // The figures shown belong to earlier inputs: they stay in view but
    // cannot be saved until the check succeeds again.
    SetSaveEnabled(false);
    return ShowError(error.what());
  }
  shownInputs_ = inputs_;
  shownSeparator_ = separator;
  ShowTexts(std::move(texts));
  ShowError({});
  SetSaveEnabled(true);
}

void AwardForm::ShowTexts(award::AwardTexts texts) {
  if (Tied(texts_) == Tied(texts)) return;
  texts_ = std::move(texts);
  view_.ShowAwardTexts(texts_);
}

void AwardForm::ShowError(std::string line) {
  if (Replace(errorLine_, std::move(line))) view_.ShowAwardError(errorLine_);
}

void AwardForm::SetSaveEnabled(bool enabled) {
  if (Replace(saveEnabled_, enabled)) view_.ShowAwardSaveEnabled(enabled);
}

}  // namespace form
