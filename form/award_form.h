// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// AwardForm: the award check behind the "Verifica dell'aggiudicazione" window
// and page section. It follows the main form's three inputs (the main form
// hands itself over after every edit there, see main_inputs_follower.h;
// nothing flows back) and holds its own: the safety costs S and labour
// costs L (texts, typed as written, see form/typed_character.h), the
// discount's admitted decimals N and the guarantee's kind. Every change runs
// award::AnswerAward:
//   1. a main input empty, or the decimals' box → nothing computed, the
//      error line cleared, saving disabled, the figures kept as they are;
//   2. the check fails → the figures kept, its Italian line shown, saving
//      disabled;
//   3. it succeeds → the figures (and their warnings) shown if they changed,
//      the error line cleared, saving enabled.
// So the award report may be saved exactly while the figures shown are those
// of the inputs held, and the report is written from those very inputs.

#include <optional>
#include <string>

#include "award/award_figures.h"
#include "award/award_inputs.h"
#include "form/award_view.h"
#include "form/form.h"
#include "form/main_inputs_follower.h"

namespace form {

class AwardForm : public MainInputsFollower {
 public:
  // Empty texts, N 3, the ordinary guarantee, saving disabled; the view is
  // told nothing.
  explicit AwardForm(AwardView& view);

  // Takes the main form's three input texts; nothing happens when they are
  // those already held.
  void FollowMainInputs(const Form& mainForm) override;

  // The award check's own inputs; nothing happens when a value is the one
  // held. N outside 0..9 fails as the check says.
  void EditSafetyCosts(std::string text);
  void EditLabourCosts(std::string text);
  // Nothing: the decimals' box is empty, an input still missing (as an
  // empty main input: the figures kept, saving disabled, no error).
  void SetDiscountDecimals(std::optional<int> decimals);
  void SetGuaranteeKind(award::GuaranteeKind kind);

  const award::AwardInputs& Inputs() const { return inputs_; }
  const award::AwardTexts& Texts() const { return texts_; }
  const std::string& ErrorLine() const { return errorLine_; }
  bool SaveEnabled() const { return saveEnabled_; }

  // The award report (RTF) of the inputs the figures shown came from;
  // nothing while saving is disabled.
  std::optional<std::string> ReportRtf() const;

  // Those inputs and the decimal separator they were read with, which a
  // printed report takes so that it shows what the saved one holds, even
  // after the separator changed; meaningful while saving is enabled.
  const award::AwardInputs& ReportInputs() const { return shownInputs_; }
  char ReportSeparator() const { return shownSeparator_; }

 private:
  void Compute();
  void ShowError(std::string line);
  void SetSaveEnabled(bool enabled);

  AwardView& view_;
  award::AwardInputs inputs_;
  award::AwardTexts texts_;
  std::string errorLine_;
  bool saveEnabled_ = false;
  bool discountDecimalsMissing_ = false;
  award::AwardInputs shownInputs_;  // what texts_ was computed from
  char shownSeparator_ = '.';
};

}  // namespace form
