// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "web/page_form.h"

#include <string>
#include <utility>

#include "calc/calc_error.h"
#include "report/build_report.h"
#include "report/export_error.h"
#include "report/report_buffer.h"
#include "report/report_rtf.h"
#include "web/file_bytes.h"
#include "web/printed_report.h"

namespace web {

PageForm::PageForm(emscripten::val view) : view_(view), form_(view_), award_(std::move(view)) {
  form_.SetFollower(&award_);
}

void PageForm::EditInput(form::Input input, std::string text) {
  std::string message;
  try {
    form_.EditInput(input, std::move(text));
  } catch (const calc::CalcError& error) {
    message = error.what();
  }
  ShowPrintedReport();
  if (!message.empty()) view_.ShowError(message);
}

void PageForm::Clear() {
  form_.Clear();
  ShowPrintedReport();
}

emscripten::val PageForm::ReportRtf() const {
  return FileBytes([this] { return report::ReportRtf(form_.ReportFields()); });
}

void PageForm::ShowPrintedReport() {
  std::vector<std::string> texts;
  if (form_.SaveEnabled()) {
    for (const form::Input input : form::kInputs) texts.push_back(form_.InputText(input));
    for (const form::Result result : form::kResults) texts.push_back(form_.ResultText(result));
  }
  if (texts == printedTexts_) return;
  printedTexts_ = std::move(texts);
  report::ReportBuffer buffer;
  if (!printedTexts_.empty()) {
    try {
      report::BuildReport(buffer, form_.ReportFields());
    } catch (const report::ExportError&) {
      buffer.Clear();  // a report refused for saving is not printed either
    }
  }
  view_.ShowPrintedReport(PrintedReport(buffer));
}

}  // namespace web
