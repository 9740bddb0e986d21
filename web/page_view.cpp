// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "web/page_view.h"

#include <utility>

namespace web {

PageView::PageView(emscripten::val view) : view_(std::move(view)) {}

void PageView::ShowInput(form::Input input, const std::string& text) {
  view_.call<void>("showInput", static_cast<int>(input), text);
}

void PageView::ShowResult(form::Result result, const std::string& text) {
  view_.call<void>("showResult", static_cast<int>(result), text);
}

void PageView::ShowSaveEnabled(bool enabled) { view_.call<void>("showSaveEnabled", enabled); }

void PageView::ShowPrintedReport(const emscripten::val& report) {
  view_.call<void>("showPrintedReport", report);
}

void PageView::ShowError(const std::string& message) { view_.call<void>("showError", message); }

}  // namespace web
