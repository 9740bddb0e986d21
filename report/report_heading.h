// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The opening that every report shares: the buffer emptied with Arial 12 as
// its default format, the title in bold navy on the first line, then two
// empty lines in the plain style and the automatic colour, where the
// report's own lines follow.

#include <string_view>

#include "report/report_buffer.h"

namespace report {

void StartReport(ReportBuffer& buffer, std::string_view title);

}  // namespace report
