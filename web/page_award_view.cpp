// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "web/page_award_view.h"

#include <utility>

namespace web {

PageAwardView::PageAwardView(emscripten::val view) : view_(std::move(view)) {}

void PageAwardView::ShowAwardTexts(const award::AwardTexts& texts) {
  emscripten::val shown = emscripten::val::object();
  shown.set("discountedBase", texts.discountedBase);
  shown.set("contractAmount", texts.contractAmount);
  shown.set("amountInWords", texts.amountInWords);
  shown.set("impliedDiscount", texts.impliedDiscount + " %");
  shown.set("contractorMinusContract", texts.contractorMinusContract);
  shown.set("outcome", texts.outcome);
  shown.set("guarantee", texts.guarantee);
  shown.set("note", texts.note);
  view_.call<void>("showAwardTexts", shown);
}

void PageAwardView::ShowAwardError(const std::string& line) { view_.call<void>("showAwardError", line); }

void PageAwardView::ShowAwardSaveEnabled(bool enabled) { view_.call<void>("showAwardSaveEnabled", enabled); }

void PageAwardView::ShowPrintedAwardReport(const emscripten::val& report) {
  view_.call<void>("showPrintedAwardReport", report);
}

}  // namespace web
