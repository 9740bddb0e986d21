// The module's JavaScript interface (embind). Nothing here throws into
// JavaScript: a CalcError or an export error comes back as its message, which
// the page shows in its error box and the comparison with the companion
// reads as text.
//
//   setDecimalSeparator(text)     the process-wide separator: the text's one
//                                 ASCII character, else "."
//   computeDiscrepancy(page)      the change handling on the page's fields
//                                 (see page_fields.h); "" or the message
//   computeTexts(a, p, c, code)   {computedTotal, difference, percentage,
//                                 error}: one row as the companion computes
//                                 it, with the separator's character code
//   reportRtf(fields)             the report's RTF bytes (a Uint8Array) for
//                                 {baseAmount, discount, contractorTotal,
//                                 computedTotal, difference, percentage},
//                                 or the export error's message (a string)
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <utility>

#include "calc/calc_error.h"
#include "calc/compute_discrepancy.h"
#include "calc/decimal_separator.h"
#include "calc/discrepancy.h"
#include "report/export_error.h"
#include "report/report_fields.h"
#include "report/report_rtf.h"
#include "web/page_fields.h"

namespace {

struct ComputedRow {
  std::string computedTotal;
  std::string difference;
  std::string percentage;
  std::string error;
};

// The one-byte rule of the desktop's locale separator: a single ASCII
// character, "." for anything else.
char SeparatorFromCode(int code) { return code > 0 && code < 0x80 ? static_cast<char>(code) : '.'; }

void SetDecimalSeparator(const std::string& text) {
  calc::SetDecimalSeparator(text.size() == 1 ? SeparatorFromCode(static_cast<unsigned char>(text[0])) : '.');
}

std::string ComputeOnPage(emscripten::val page) {
  web::PageFields fields(std::move(page));
  try {
    calc::ComputeDiscrepancy(fields);
  } catch (const calc::CalcError& error) {
    return error.what();
  }
  return {};
}

// The separator comes as a character code: a string argument would cost a
// conversion on every row of a batch.
ComputedRow ComputeRow(const std::string& baseAmount, const std::string& discount,
                       const std::string& contractorTotal, int separator) {
  try {
    calc::DiscrepancyTexts texts =
        calc::ComputeTexts(baseAmount, discount, contractorTotal, SeparatorFromCode(separator));
    return {std::move(texts.computedTotal), std::move(texts.difference), std::move(texts.percentage), {}};
  } catch (const calc::CalcError& error) {
    return {{}, {}, {}, error.what()};
  }
}

emscripten::val ReportRtfBytes(const report::ReportFields& fields) {
  try {
    const std::string rtf = report::ReportRtf(fields);
    const auto* bytes = reinterpret_cast<const unsigned char*>(rtf.data());
    // A copy: the view into the module's memory dies with `rtf`.
    return emscripten::val::global("Uint8Array").new_(emscripten::typed_memory_view(rtf.size(), bytes));
  } catch (const report::ExportError& error) {
    return emscripten::val(std::string(error.what()));
  }
}

}  // namespace

EMSCRIPTEN_BINDINGS(discordanza) {
  emscripten::value_object<ComputedRow>("ComputedRow")
      .field("computedTotal", &ComputedRow::computedTotal)
      .field("difference", &ComputedRow::difference)
      .field("percentage", &ComputedRow::percentage)
      .field("error", &ComputedRow::error);
  emscripten::value_object<report::ReportFields>("ReportFields")
      .field("baseAmount", &report::ReportFields::baseAmount)
      .field("discount", &report::ReportFields::discount)
      .field("contractorTotal", &report::ReportFields::contractorTotal)
      .field("computedTotal", &report::ReportFields::computedTotal)
      .field("difference", &report::ReportFields::difference)
      .field("percentage", &report::ReportFields::percentage);
  emscripten::function("setDecimalSeparator", &SetDecimalSeparator);
  emscripten::function("computeDiscrepancy", &ComputeOnPage);
  emscripten::function("computeTexts", &ComputeRow);
  emscripten::function("reportRtf", &ReportRtfBytes);
}
