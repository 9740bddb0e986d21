// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "web/page_form.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "calc/calc_error.h"
#include "report/build_report.h"
#include "report/export_error.h"
#include "report/report_buffer.h"
#include "report/report_rtf.h"

namespace web {
namespace {

// "#rrggbb", or "" for the automatic colour.
std::string CssColour(const std::optional<report::Rgb>& colour) {
  if (!colour) return {};
  static constexpr char kHex[] = "0123456789abcdef";
  std::string css = "#";
  for (const std::uint8_t part : {colour->red, colour->green, colour->blue}) {
    css += kHex[part >> 4];
    css += kHex[part & 0xF];
  }
  return css;
}

emscripten::val PrintedLine(const report::ReportLine& line) {
  emscripten::val printed = emscripten::val::object();
  printed.set("text", line.text);
  printed.set("bold", line.format.style.bold);
  printed.set("italic", line.format.style.italic);
  printed.set("underline", line.format.style.underline);
  printed.set("strikeOut", line.format.style.strikeOut);
  printed.set("colour", CssColour(line.format.colour));
  return printed;
}

emscripten::val PrintedReport(const report::ReportBuffer& buffer) {
  emscripten::val lines = emscripten::val::array();
  for (const report::ReportLine& line : buffer.Lines()) lines.call<void>("push", PrintedLine(line));
  emscripten::val printed = emscripten::val::object();
  printed.set("face", buffer.DefaultFace());
  printed.set("points", buffer.DefaultSize());
  printed.set("lines", lines);
  return printed;
}

}  // namespace

PageForm::PageForm(emscripten::val view) : view_(std::move(view)), form_(view_) {}

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
  emscripten::val error = emscripten::val::undefined();
  try {
    const std::string rtf = report::ReportRtf(form_.ReportFields());
    const auto* bytes = reinterpret_cast<const unsigned char*>(rtf.data());
    // A copy: the view into the module's memory dies with `rtf`.
    return emscripten::val::global("Uint8Array").new_(emscripten::typed_memory_view(rtf.size(), bytes));
  } catch (const report::ExportError& exportError) {
    error = emscripten::val::global("Error").new_(std::string(exportError.what()));
  }
  // Thrown outside the handler, with nothing of C++ left to unwind.
  error.throw_();
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
