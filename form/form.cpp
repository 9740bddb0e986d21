// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/form.h"

#include <optional>
#include <utility>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"
#include "calc/discrepancy.h"
#include "form/replace.h"
#include "form/results.h"

namespace form {

Form::Form(FormView& view) : view_(view) {}

const std::string& Form::InputText(Input input) const { return inputs_[IndexOf(input)]; }

const std::string& Form::ResultText(Result result) const { return results_[IndexOf(result)]; }

void Form::EditInput(Input input, std::string text) {
  if (!Replace(inputs_[IndexOf(input)], std::move(text))) return;
  try {
    Compute();
  } catch (...) {
    TellFollower();
    throw;
  }
  TellFollower();
}

void Form::Clear() {
  for (Input input : kInputs) {
    std::string& held = inputs_[IndexOf(input)];
    if (held.empty()) continue;
    held.clear();
    view_.ShowInput(input, held);
  }
  for (Result result : kResults) ShowResult(result, {});
  SetSaveEnabled(false);
  TellFollower();
}

void Form::SetFollower(MainInputsFollower* follower) {
  follower_ = follower;
  TellFollower();
}

report::ReportFields Form::ReportFields() const {
  return {.baseAmount = InputText(Input::BaseAmount),
          .discount = InputText(Input::Discount),
          .contractorTotal = InputText(Input::ContractorTotal),
          .computedTotal = ResultText(Result::ComputedTotal),
          .difference = ResultText(Result::Difference),
          .discrepancy = ResultText(Result::Discrepancy)};
}

void Form::Compute() {
  std::optional<calc::DiscrepancyTexts> texts;
  try {
    texts = ComputeResults(InputText(Input::BaseAmount), InputText(Input::Discount),
                           InputText(Input::ContractorTotal), calc::DecimalSeparator());
  } catch (const calc::CalcError&) {
    // The results shown now belong to earlier inputs: they stay in view but
    // cannot be saved until a computation succeeds again.
    SetSaveEnabled(false);
    throw;
  }
  if (!texts) return SetSaveEnabled(false);
  ShowResult(Result::ComputedTotal, std::move(texts->computedTotal));
  ShowResult(Result::Difference, std::move(texts->difference));
  ShowResult(Result::Discrepancy, std::move(texts->discrepancy));
  SetSaveEnabled(true);
}

void Form::TellFollower() {
  if (follower_ != nullptr) follower_->FollowMainInputs(*this);
}

void Form::ShowResult(Result result, std::string text) {
  std::string& held = results_[IndexOf(result)];
  if (Replace(held, std::move(text))) view_.ShowResult(result, held);
}

void Form::SetSaveEnabled(bool enabled) {
  if (Replace(saveEnabled_, enabled)) view_.ShowSaveEnabled(enabled);
}

}  // namespace form
