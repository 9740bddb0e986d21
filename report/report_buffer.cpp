// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/report_buffer.h"

#include <utility>

#include "report/export_error.h"
#include "report/utf8.h"

namespace report {

namespace {

constexpr std::size_t kLineEnd = 2;  // CR LF

}  // namespace

ReportBuffer::ReportBuffer(std::size_t capacity) : capacity_(capacity) {}

void ReportBuffer::SetDefaultFace(std::string face) { face_ = std::move(face); }

void ReportBuffer::SetDefaultSize(int points) { points_ = points; }

void ReportBuffer::Clear() {
  lines_.clear();
  length_ = 0;
}

void ReportBuffer::SetInsertionColour(std::optional<Rgb> colour) { insertion_.colour = colour; }

void ReportBuffer::SetInsertionStyle(TextStyle style) { insertion_.style = style; }

void ReportBuffer::AppendLine(std::string_view text) {
  if (text.find_first_of("\r\n") != std::string_view::npos) throw ExportError::LineInsertion();
  const std::size_t added = Utf16Length(text) + kLineEnd;
  if (added > capacity_ - length_) throw ExportError::LineInsertion();
  lines_.push_back({std::string(text), insertion_});
  length_ += added;
}

}  // namespace report
