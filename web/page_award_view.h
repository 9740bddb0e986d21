// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// PageAwardView: the page's award section as the award form's view. It hands
// every change to the page's JavaScript drawing object, the same one as the
// main form's view, through four more methods:
//   showAwardTexts({figures, warnings})
//                               the figures a row shows, in the figures'
//                               table's order (award/award_figures.h): an
//                               [id, text with its unit, shown] array each,
//                               grouped by thousands; and the check's
//                               warnings, a sentence each;
//   showAwardError(line)        the Italian line on why there are no figures,
//                               or "" to clear it;
//   showAwardSaveEnabled(enabled)
//   showPrintedAwardReport(report)  the award report laid out for printing
//                               (web/printed_report.h), whenever it changes.

#include <emscripten/val.h>

#include <string>

#include "form/award_view.h"

namespace web {

class PageAwardView : public form::AwardView {
 public:
  explicit PageAwardView(emscripten::val view);
  void ShowAwardTexts(const award::AwardTexts& texts) override;
  void ShowAwardError(const std::string& line) override;
  void ShowAwardSaveEnabled(bool enabled) override;
  void ShowPrintedAwardReport(const emscripten::val& report);

 private:
  emscripten::val view_;
};

}  // namespace web
