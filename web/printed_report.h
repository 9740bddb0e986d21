// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// A report laid out for printing, in the shape the page's printed_report.js
// draws: the report buffer's lines with their face, size, style and colour.
// The discrepancy report and the award report are printed through it alike.

#include <emscripten/val.h>

#include "report/report_buffer.h"

namespace web {

// {face, points, lines: [{text, bold, italic, underline, strikeOut, colour}]},
// colour "#rrggbb" or "" for the automatic one; an empty buffer gives no
// lines.
emscripten::val PrintedReport(const report::ReportBuffer& buffer);

}  // namespace web
