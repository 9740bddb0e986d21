// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// PageView: the web page as the form's view. It hands every change to a
// JavaScript object that draws it, with five methods:
//   showInput(input, text), showResult(result, text), showSaveEnabled(enabled)
//     what the form announces; input and result are the fields' positions
//     in form::kInputs and form::kResults;
//   showPrintedReport(report)  the report laid out for printing, whenever it
//     changes (see PrintedReport in page_form.h);
//   showError(message)         a failed computation's message, as raised.
// The page's script only draws; what changes and when is the form's.

#include <emscripten/val.h>

#include <string>

#include "form/form_view.h"

namespace web {

class PageView : public form::FormView {
 public:
  explicit PageView(emscripten::val view);
  void ShowInput(form::Input input, const std::string& text) override;
  void ShowResult(form::Result result, const std::string& text) override;
  void ShowSaveEnabled(bool enabled) override;
  void ShowPrintedReport(const emscripten::val& report);
  void ShowError(const std::string& message);

 private:
  emscripten::val view_;
};

}  // namespace web
