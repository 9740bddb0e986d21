// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/csv_writer.h"

#include <algorithm>
#include <array>
#include <cerrno>

namespace cli {
namespace {

constexpr std::size_t kFlushThreshold = 64 * 1024;

// The bytes that a field cannot hold unquoted, whatever the delimiter: a
// quote and the line ends.
constexpr std::array<bool, 256> kQuotedBytes = [] {
  std::array<bool, 256> quoted{};
  for (unsigned char byte : {'"', '\r', '\n'}) quoted[byte] = true;
  return quoted;
}();

bool IsPadding(char c) { return c == ' ' || c == '\t'; }

// Whether the field needs quotes to be read back as it is: it holds the
// delimiter, a quote or a line end, or would lose padding at an end.
bool NeedsQuotes(std::string_view field, char delimiter) {
  if (field.empty()) return false;
  if (IsPadding(field.front()) || IsPadding(field.back())) return true;
  return std::any_of(field.begin(), field.end(), [delimiter](char c) {
    return c == delimiter || kQuotedBytes[static_cast<unsigned char>(c)];
  });
}

void AppendQuoted(std::string& out, std::string_view field) {
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

void AppendCsvRow(std::string& out, std::span<const std::string_view> fields, char delimiter) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += delimiter;
    if (NeedsQuotes(fields[i], delimiter)) {
      AppendQuoted(out, fields[i]);
    } else {
      out += fields[i];
    }
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
