// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2

#include "report/report_heading.h"

#include <optional>

namespace report {

void StartReport(ReportBuffer& buffer, std::string_view title) {
  constexpr Rgb kNavy{.red = 0, .green = 0, .blue = 128};
  // The default format is set before the buffer is emptied, so that the
  // empty buffer already has it.
  buffer.SetDefaultFace("Arial");
  buffer.SetDefaultSize(12);
  buffer.Clear();
  buffer.SetInsertionColour(kNavy);
  buffer.SetInsertionStyle({.bold = true});
  buffer.AppendLine(title);
  buffer.SetInsertionColour(std::nullopt);
  buffer.SetInsertionStyle({});
  buffer.AppendLine("");
  buffer.AppendLine("");
}

}  // namespace report
