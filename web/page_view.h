// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// PageView: the web page as the form's view. It hands every change the form
// announces to a JavaScript object that draws it, with three methods:
//   showInput(input, text), showResult(result, text), showSaveEnabled(enabled),
// where input and result are the bound form::Input and form::Result values.
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

 private:
  emscripten::val view_;
};

}  // namespace web
