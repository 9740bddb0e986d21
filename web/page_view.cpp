// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "web/page_view.h"

#include <utility>

namespace web {

PageView::PageView(emscripten::val view) : view_(std::move(view)) {}

void PageView::ShowInput(form::Input input, const std::string& text) {
  view_.call<void>("showInput", input, text);
}

void PageView::ShowResult(form::Result result, const std::string& text) {
  view_.call<void>("showResult", result, text);
}

void PageView::ShowSaveEnabled(bool enabled) { view_.call<void>("showSaveEnabled", enabled); }

}  // namespace web
