// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "web/page_award_view.h"

#include <string>
#include <utility>

#include "award/award_figures.h"

namespace web {

PageAwardView::PageAwardView(emscripten::val view) : view_(std::move(view)) {}

void PageAwardView::ShowAwardTexts(const award::AwardTexts& texts) {
  emscripten::val warnings = emscripten::val::array();
  for (const std::string& warning : texts.warnings) warnings.call<void>("push", warning);
  emscripten::val figures = emscripten::val::array();
  for (const award::FigureRow& row : award::kFigures) {
    if (!award::IsLine(row)) continue;
    emscripten::val figure = emscripten::val::array();
    figure.call<void>("push", std::string(row.id), award::TextWithUnit(texts, row),
                      award::HasLine(texts, row));
    figures.call<void>("push", figure);
  }
  emscripten::val shown = emscripten::val::object();
  shown.set("figures", figures);
  shown.set("warnings", warnings);
  view_.call<void>("showAwardTexts", shown);
}

void PageAwardView::ShowAwardError(const std::string& line) { view_.call<void>("showAwardError", line); }

void PageAwardView::ShowAwardSaveEnabled(bool enabled) { view_.call<void>("showAwardSaveEnabled", enabled); }

void PageAwardView::ShowPrintedAwardReport(const emscripten::val& report) {
  view_.call<void>("showPrintedAwardReport", report);
}

}  // namespace web
