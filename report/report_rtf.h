// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// ReportRtf: the whole RTF file of the fourteen-line report of six field
// texts, in one string: the same bytes that the window's "&Salva" writes for
// the same texts. For the companion and the web edition, which have no report
// buffer of their own. Every report (the award check's too) becomes RTF
// through the overload that takes a built buffer.

#include <string>

#include "report/report_buffer.h"
#include "report/report_fields.h"

namespace report {

// The RTF file of a built buffer, in one string.
std::string ReportRtf(const ReportBuffer& buffer);

// Raises ExportError::LineInsertion() when a text holds a line break or the
// report exceeds the buffer's capacity.
std::string ReportRtf(const ReportFields& fields);

}  // namespace report
