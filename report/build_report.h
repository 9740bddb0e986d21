// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// BuildReport: writes the fourteen-line report of the six field texts into the
// report buffer, afresh: Arial 12 pt throughout, a bold navy title, then plain
// text in the automatic colour. Whatever the buffer held before is discarded.

#include "report/report_buffer.h"
#include "report/report_fields.h"

namespace report {

// Raises ExportError::LineInsertion() when the buffer does not take a line
// whole; the buffer then keeps the lines appended so far.
void BuildReport(ReportBuffer& buffer, const ReportFields& fields);

}  // namespace report
