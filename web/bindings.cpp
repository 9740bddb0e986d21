// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
// The module's JavaScript interface (embind): functions of strings, numbers
// and JavaScript objects only, since every bound class, enum or record adds
// to the page's script and to its start. The page has one form:
//   startForm(view)               the form behind the page, drawing into
//                                 view (web/page_view.h, and the award
//                                 section through web/page_award_view.h)
//   editInput(input, text)        an input's text changed; input is its
//                                 position in form::kInputs
//   clearForm()
//   reportRtf()                   the report's RTF bytes, or a thrown Error
// and the award check's section, which follows the form's three inputs:
//   editSafetyCosts(text), editLabourCosts(text)
//   setDiscountDecimals(decimals)
//   setGuaranteeKind(belowThreshold)
//   awardReportRtf()              the award report's RTF bytes, null while it
//                                 may not be saved, or a thrown Error
// and the rules the page's script applies itself:
//   setDecimalSeparator(point)    the process-wide separator from the
//                                 browser's decimal point, by the one-byte rule
//   keptTypedText(text, asWritten) what a field keeps of typed text: a main
//                                 input's, or (asWritten) an award amount's
//   firstLine(text)               what the fields keep of a paste
//   withFullStop(message)         an error message as the error box shows it
//   titleFromPath(path)           the error box's caption from the page's
//                                 file path
#include <emscripten/bind.h>

#include <memory>
#include <string>
#include <utility>

#include "calc/decimal_separator.h"
#include "form/fields.h"
#include "form/first_line.h"
#include "form/full_stop.h"
#include "form/title.h"
#include "form/typed_character.h"
#include "web/page_form.h"

namespace {

std::unique_ptr<web::PageForm>& PageFormInstance() {
  static std::unique_ptr<web::PageForm> form;
  return form;
}

void StartForm(emscripten::val view) {
  PageFormInstance() = std::make_unique<web::PageForm>(std::move(view));
}

void EditInput(int input, std::string text) {
  if (input < 0 || input >= static_cast<int>(form::kInputs.size())) return;
  PageFormInstance()->EditInput(form::kInputs[input], std::move(text));
}

void ClearForm() { PageFormInstance()->Clear(); }

emscripten::val ReportRtf() { return PageFormInstance()->ReportRtf(); }

void EditSafetyCosts(std::string text) { PageFormInstance()->Award().EditSafetyCosts(std::move(text)); }

void EditLabourCosts(std::string text) { PageFormInstance()->Award().EditLabourCosts(std::move(text)); }

void SetDiscountDecimals(int decimals) { PageFormInstance()->Award().SetDiscountDecimals(decimals); }

void SetGuaranteeKind(bool belowThreshold) { PageFormInstance()->Award().SetGuaranteeKind(belowThreshold); }

emscripten::val AwardReportRtf() { return PageFormInstance()->Award().ReportRtf(); }

void SetDecimalSeparator(const std::string& decimalPoint) {
  calc::SetDecimalSeparator(calc::SeparatorFromDecimalPoint(decimalPoint));
}

std::string KeptTypedText(const std::string& typed, bool asWritten) {
  return form::KeptTypedText(typed, calc::DecimalSeparator(),
                             asWritten ? form::TypingRule::AsWritten : form::TypingRule::PointIsSeparator);
}

std::string FirstLine(const std::string& pasted) { return std::string(form::FirstLine(pasted)); }

std::string WithFullStop(const std::string& message) { return form::WithFullStop(message); }

std::string TitleFromPath(const std::string& path) { return form::TitleFromPath(path); }

}  // namespace

EMSCRIPTEN_BINDINGS(discordanza) {
  emscripten::function("startForm", &StartForm);
  emscripten::function("editInput", &EditInput);
  emscripten::function("clearForm", &ClearForm);
  emscripten::function("reportRtf", &ReportRtf);
  emscripten::function("editSafetyCosts", &EditSafetyCosts);
  emscripten::function("editLabourCosts", &EditLabourCosts);
  emscripten::function("setDiscountDecimals", &SetDiscountDecimals);
  emscripten::function("setGuaranteeKind", &SetGuaranteeKind);
  emscripten::function("awardReportRtf", &AwardReportRtf);
  emscripten::function("setDecimalSeparator", &SetDecimalSeparator);
  emscripten::function("keptTypedText", &KeptTypedText);
  emscripten::function("firstLine", &FirstLine);
  emscripten::function("withFullStop", &WithFullStop);
  emscripten::function("titleFromPath", &TitleFromPath);
}
