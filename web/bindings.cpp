// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
// The module's JavaScript interface (embind). Nothing here throws into
// JavaScript: a CalcError or an export error comes back as its message, which
// the page shows in its error box and the comparison with the companion
// reads as text.
//
//   Input, Result                 the form's fields (form/fields.h)
//   new PageForm(view)            the form behind the page (web/page_form.h):
//                                 editInput(input, text) → "" or the message,
//                                 clear(), reportRtf(), printedReport()
//   setDecimalSeparator(point)    the process-wide separator from the
//                                 browser's decimal point, by the one-byte rule
//   keptTypedText(text)           what the fields keep of typed text
//   firstLine(text)               what the fields keep of a paste
//   computeTexts(a, p, c, code)   {computedTotal, difference, percentage,
//                                 error}: one row as the companion computes
//                                 it, with the separator's character code
#include <emscripten/bind.h>

#include <string>
#include <utility>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"
#include "calc/discrepancy.h"
#include "form/fields.h"
#include "form/first_line.h"
#include "form/typed_character.h"
#include "web/page_form.h"

namespace {

struct ComputedRow {
  std::string computedTotal;
  std::string difference;
  std::string percentage;
  std::string error;
};

void SetDecimalSeparator(const std::string& decimalPoint) {
  calc::SetDecimalSeparator(calc::SeparatorFromDecimalPoint(decimalPoint));
}

std::string KeptTypedText(const std::string& typed) {
  return form::KeptTypedText(typed, calc::DecimalSeparator());
}

std::string FirstLine(const std::string& pasted) { return std::string(form::FirstLine(pasted)); }

// The separator comes as a character code: a string argument would cost a
// conversion on every row of a batch.
ComputedRow ComputeRow(const std::string& baseAmount, const std::string& discount,
                       const std::string& contractorTotal, int separatorCode) {
  const std::string point = separatorCode > 0 && separatorCode < 0x100
                                ? std::string(1, static_cast<char>(separatorCode))
                                : std::string();
  const char separator = calc::SeparatorFromDecimalPoint(point);
  try {
    calc::DiscrepancyTexts texts = calc::ComputeTexts(baseAmount, discount, contractorTotal, separator);
    return {std::move(texts.computedTotal), std::move(texts.difference), std::move(texts.percentage), {}};
  } catch (const calc::CalcError& error) {
    return {{}, {}, {}, error.what()};
  }
}

}  // namespace

EMSCRIPTEN_BINDINGS(discordanza) {
  emscripten::enum_<form::Input>("Input")
      .value("BaseAmount", form::Input::BaseAmount)
      .value("Discount", form::Input::Discount)
      .value("ContractorTotal", form::Input::ContractorTotal);
  emscripten::enum_<form::Result>("Result")
      .value("ComputedTotal", form::Result::ComputedTotal)
      .value("Difference", form::Result::Difference)
      .value("Percentage", form::Result::Percentage);
  emscripten::class_<web::PageForm>("PageForm")
      .constructor<emscripten::val>()
      .function("editInput", &web::PageForm::EditInput)
      .function("clear", &web::PageForm::Clear)
      .function("reportRtf", &web::PageForm::ReportRtf)
      .function("printedReport", &web::PageForm::PrintedReport);
  emscripten::value_object<ComputedRow>("ComputedRow")
      .field("computedTotal", &ComputedRow::computedTotal)
      .field("difference", &ComputedRow::difference)
      .field("percentage", &ComputedRow::percentage)
      .field("error", &ComputedRow::error);
  emscripten::function("setDecimalSeparator", &SetDecimalSeparator);
  emscripten::function("keptTypedText", &KeptTypedText);
  emscripten::function("firstLine", &FirstLine);
  emscripten::function("computeTexts", &ComputeRow);
}
