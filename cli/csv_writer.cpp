// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/csv_writer.h"

#include <algorithm>
#include <cerrno>

namespace cli {
namespace {

constexpr std::size_t kFlushThreshold = 64 * 1024;

bool IsPadding(char c) { return c == ' ' || c == '\t'; }

// Whether `field` would not read back as itself without quotes: it holds the
// delimiter, a quote or a line end, or begins or ends with a space or a tab,
// which are padding outside quotes.
bool NeedsQuotes(std::string_view field, char delimiter) {
  if (field.empty()) return false;
  if (IsPadding(field.front()) || IsPadding(field.back())) return true;
  // No early exit: the loop over the whole field vectorises, and fields are
  // short.
  bool special = false;
  for (const char c : field) special |= (c == delimiter) | (c == '"') | (c == '\r') | (c == '\n');
  return special;
}

void AppendField(std::string& out, std::string_view field, char delimiter) {
  if (!NeedsQuotes(field, delimiter)) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

void AppendCsvRow(std::string& out, std::span<const std::string_view> fields, char delimiter) {
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) out += delimiter;
    first = false;
    AppendField(out, field, delimiter);
  }
  out += '\n';
}

CsvWriter::CsvWriter(std::FILE* output, char delimiter) : output_(output), delimiter_(delimiter) {
  buffer_.reserve(kFlushThreshold * 2);
}

bool CsvWriter::WriteRow(std::span<const std::string_view> fields) {
  if (failed_) return false;
  AppendCsvRow(buffer_, fields, delimiter_);
  return buffer_.size() < kFlushThreshold || Drain();
}

bool CsvWriter::WriteText(std::string_view text) {
  if (failed_) return false;
  buffer_ += text;
  return buffer_.size() < kFlushThreshold || Drain();
}

bool CsvWriter::Flush() {
  if (!Drain()) return false;
  if (std::fflush(output_) != 0) Fail();
  return !failed_;
}

bool CsvWriter::Drain() {
  if (failed_) return false;
  if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), output_) != buffer_.size()) {
    Fail();
    return false;
  }
  buffer_.clear();
  return true;
}

void CsvWriter::Fail() {
  failed_ = true;
  failure_ = errno;
}

}  // namespace cli
