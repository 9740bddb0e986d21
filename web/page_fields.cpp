#include "web/page_fields.h"

#include <utility>

namespace web {

PageFields::PageFields(emscripten::val page) : page_(std::move(page)) {}

std::string PageFields::Text(calc::Field field) const {
  return page_.call<std::string>("text", static_cast<int>(field));
}

void PageFields::SetText(calc::Field field, const std::string& text) {
  page_.call<void>("setText", static_cast<int>(field), text);
}

void PageFields::SetSaveEnabled(bool enabled) { page_.call<void>("setSaveEnabled", enabled); }

}  // namespace web
