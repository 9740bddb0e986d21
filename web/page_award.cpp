// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "web/page_award.h"

#include <string>
#include <utility>

#include "report/award_report.h"
#include "report/export_error.h"
#include "report/report_buffer.h"
#include "web/file_bytes.h"
#include "web/printed_report.h"

namespace web {
namespace {

// Everything a printed award report is made of, so that a change of any is
// seen.
std::vector<std::string> ReportMadeOf(const award::AwardInputs& inputs, char separator) {
  return {inputs.baseAmount,
          inputs.discount,
          inputs.contractorTotal,
          inputs.safetyCosts,
          inputs.labourCosts,
          std::to_string(inputs.discountDecimals),
          std::string(award::GuaranteeKindText(inputs.guaranteeKind)),
          std::string(1, separator)};
}

}  // namespace

PageAward::PageAward(emscripten::val view) : view_(std::move(view)), form_(view_) {}

void PageAward::FollowMainInputs(const form::Form& mainForm) {
  form_.FollowMainInputs(mainForm);
  ShowPrintedReport();
}

void PageAward::EditSafetyCosts(std::string text) {
  form_.EditSafetyCosts(std::move(text));
  ShowPrintedReport();
}

void PageAward::EditLabourCosts(std::string text) {
  form_.EditLabourCosts(std::move(text));
  ShowPrintedReport();
}

void PageAward::SetDiscountDecimals(int decimals) {
  form_.SetDiscountDecimals(decimals);
  ShowPrintedReport();
}

void PageAward::SetGuaranteeKind(bool belowThreshold) {
  form_.SetGuaranteeKind(belowThreshold ? award::GuaranteeKind::BelowThreshold
                                        : award::GuaranteeKind::Ordinary);
  ShowPrintedReport();
}

emscripten::val PageAward::ReportRtf() const {
  if (!form_.SaveEnabled()) return emscripten::val::null();
  return FileBytes([this] { return *form_.ReportRtf(); });
}

void PageAward::ShowPrintedReport() {
  std::vector<std::string> madeOf;
  if (form_.SaveEnabled()) madeOf = ReportMadeOf(form_.ReportInputs(), form_.ReportSeparator());
  if (madeOf == printedInputs_) return;
  printedInputs_ = std::move(madeOf);
  report::ReportBuffer buffer;
  if (!printedInputs_.empty()) {
    try {
      report::BuildAwardReport(buffer, form_.ReportInputs(), form_.ReportSeparator());
    } catch (const report::ExportError&) {
      buffer.Clear();  // a report refused for saving is not printed either
    }
  }
  view_.ShowPrintedAwardReport(PrintedReport(buffer));
}

}  // namespace web
