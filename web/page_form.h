// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// PageForm: the form behind the web page, with what the page asks of it in
// the shapes JavaScript takes, and the award check that follows its three
// inputs (page_award.h).
// Everything the page draws goes through the view (page_view.h): the fields,
// "Salva", a failed computation's message and the report laid out for
// printing, pushed when it changes. Only the export answers directly: the
// report's bytes, or a thrown JavaScript Error.

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "form/fields.h"
#include "form/form.h"
#include "web/page_award.h"
#include "web/page_view.h"

namespace web {

class PageForm {
 public:
  // view: the page's drawing object, see page_view.h. It is told nothing
  // yet: the page starts with empty fields and no report to print.
  explicit PageForm(emscripten::val view);

  // An input's text changed; a failed computation's message goes to the view.
  void EditInput(form::Input input, std::string text);
  void Clear();

  // The report's RTF (a Uint8Array): the window's bytes for the same six
  // texts. Throws a JavaScript Error carrying the export error's message.
  emscripten::val ReportRtf() const;

  PageAward& Award() { return award_; }

 private:
  // Pushes the printed report (web/printed_report.h) when the texts it is
  // made of, or whether there is one, changed since the last push. It has
  // no lines while "Salva" is disabled: there is no report then.
  void ShowPrintedReport();

  PageView view_;
  form::Form form_;
  std::vector<std::string> printedTexts_;  // the six texts printed; none while there is no report
  PageAward award_;
};

}  // namespace web
