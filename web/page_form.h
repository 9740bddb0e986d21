// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// PageForm: the form behind the web page, with what the page asks of it in
// the shapes JavaScript takes. Nothing here throws into JavaScript: a failed
// computation comes back as its message for the page's error box, a report
// that cannot be made as an export error's message.

#include <emscripten/val.h>

#include <string>

#include "form/fields.h"
#include "form/form.h"
#include "web/page_view.h"

namespace web {

class PageForm {
 public:
  // view: the page's drawing object, see page_view.h.
  explicit PageForm(emscripten::val view);

  // "" when the edit computed or did not need to, else the error's message.
  std::string EditInput(form::Input input, std::string text);
  void Clear();

  // The report's RTF bytes (a Uint8Array), the window's bytes for the same
  // six texts, or the export error's message (a string).
  emscripten::val ReportRtf() const;

  // The report laid out for printing, as the report buffer holds it:
  //   {face, points, lines: [{text, bold, italic, underline, strikeOut,
  //   colour}]}, colour "#rrggbb" or "" for the automatic one.
  // No lines while "Salva" is disabled: there is no report to print then.
  emscripten::val PrintedReport() const;

 private:
  PageView view_;
  form::Form form_;
};

}  // namespace web
