// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// WriteRtf: serialises the report buffer as an RTF 1 document (Windows-1252
// text with \uN for the characters it lacks), handing it to a writer piece by
// piece: the header, then one piece per line, then the closing brace. It
// writes the default face and size and, line by line, colour, bold, italic,
// underline and strike-out; every line ends in \par.

#include <functional>
#include <string_view>

#include "report/report_buffer.h"

namespace report {

// Takes one piece of the document; returns false when it did not take the
// piece whole.
using RtfPieceWriter = std::function<bool(std::string_view piece)>;

// Returns false as soon as the writer does not take a piece whole; what was
// written before stays written, and the caller decides what that means.
[[nodiscard]] bool WriteRtf(const ReportBuffer& buffer, const RtfPieceWriter& write);

}  // namespace report
