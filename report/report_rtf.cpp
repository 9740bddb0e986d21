// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/report_rtf.h"

#include <cassert>

#include "report/build_report.h"
#include "report/report_buffer.h"
#include "report/rtf_writer.h"

namespace report {

std::string ReportRtf(const ReportFields& fields) {
  ReportBuffer buffer;
  BuildReport(buffer, fields);
  return ReportRtf(buffer);
}

std::string ReportRtf(const ReportBuffer& buffer) {
  std::string rtf;
  [[maybe_unused]] const bool written = WriteRtf(buffer, [&rtf](std::string_view piece) {
    rtf.append(piece);
    return true;
  });
  assert(written);  // a string takes every piece
  return rtf;
}

}  // namespace report
