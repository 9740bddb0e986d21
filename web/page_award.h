// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// PageAward: the award check behind the page's "Verifica dell'aggiudicazione"
// section. It follows the main form's inputs (form/main_inputs_follower.h);
// the section's own inputs reach it from the page. What the
// section draws goes through the view (page_award_view.h), the award report
// laid out for printing included, pushed only when it changes: the report
// of the inputs held while their figures are shown and may be saved, and
// none otherwise.

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "form/award_form.h"
#include "form/form.h"
#include "form/main_inputs_follower.h"
#include "web/page_award_view.h"

namespace web {

class PageAward : public form::MainInputsFollower {
 public:
  // view: the page's drawing object. It is told nothing yet.
  explicit PageAward(emscripten::val view);

  void FollowMainInputs(const form::Form& mainForm) override;
  void EditSafetyCosts(std::string text);
  void EditLabourCosts(std::string text);
  void SetDiscountDecimals(int decimals);
  void SetGuaranteeKind(bool belowThreshold);

  // The award report's RTF (a Uint8Array), or null while it may not be
  // saved. Throws a JavaScript Error carrying an export error's message.
  emscripten::val ReportRtf() const;

 private:
  void ShowPrintedReport();

  PageAwardView view_;
  form::AwardForm form_;
  std::vector<std::string> printedInputs_;  // what the printed report is of; none while there is no report
};

}  // namespace web
