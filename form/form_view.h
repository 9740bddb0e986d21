// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// FormView: what a window shows of the form. The form calls it whenever a
// text it holds or the state of "Salva" changes, and only then, so a view
// never has to compare; the window and the web page each implement it over
// their own widgets.

#include <string>

#include "form/fields.h"

namespace form {

class FormView {
 public:
  virtual ~FormView() = default;

  // An input's text was set by the form (clearing). A view shows it without
  // handing it back: only the user's edits go to Form::EditInput (were it
  // handed back, the form would find it already held and do nothing).
  virtual void ShowInput(Input input, const std::string& text) = 0;
  virtual void ShowResult(Result result, const std::string& text) = 0;
  virtual void ShowSaveEnabled(bool enabled) = 0;
};

}  // namespace form
