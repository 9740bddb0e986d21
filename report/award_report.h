// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The report of the award check, "Verifica dell'aggiudicazione": the inputs,
// the results, the outcome and the contract amount in words, in the report
// buffer and as one RTF file through ReportRtf, the one RTF path, so that the
// window, the page and the companion write the same bytes for the same
// inputs. The figures are computed here from the inputs, never handed in,
// so a report cannot pair inputs with another check's figures. Amounts are
// grouped by thousands ("880.253,50" under ","); the fourteen-line
// discrepancy report is not touched.

#include <string>

#include "award/award_inputs.h"
#include "report/report_buffer.h"

namespace report {

// Writes the report afresh, in BuildReport's format: Arial 12 pt, a bold navy
// title, then plain text in the automatic colour, a label and its value on
// each line, after a line "Avviso: ..." for each warning of the check.
// Raises award::AwardError when the inputs give no figures, and
// ExportError::LineInsertion() when the buffer does not take a line whole.
void BuildAwardReport(ReportBuffer& buffer, const award::AwardInputs& inputs, char separator);

// The whole RTF file. Raises as BuildAwardReport.
std::string AwardReportRtf(const award::AwardInputs& inputs, char separator);

}  // namespace report
