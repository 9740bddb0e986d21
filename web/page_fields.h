#pragma once
// PageFields: the page's six fields and its save button seen as the
// DiscrepancyFields of the change handling, so that the page runs the same
// ComputeDiscrepancy as the window, with the same order of effects. The page
// hands in a JavaScript object with three methods:
//   text(index) → string, setText(index, string), setSaveEnabled(boolean),
// where index is the calc::Field value (0 to 2 the inputs Edit1 to Edit3,
// 3 Edit4, 4 Edit5, 5 Edit6).

#include <emscripten/val.h>

#include <string>

#include "calc/compute_discrepancy.h"

namespace web {

class PageFields : public calc::DiscrepancyFields {
 public:
  explicit PageFields(emscripten::val page);
  std::string Text(calc::Field field) const override;
  void SetText(calc::Field field, const std::string& text) override;
  void SetSaveEnabled(bool enabled) override;

 private:
  emscripten::val page_;
};

}  // namespace web
