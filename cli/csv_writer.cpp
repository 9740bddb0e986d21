#include "cli/csv_writer.h"

#include <cerrno>

namespace cli {
namespace {

constexpr std::size_t kFlushThreshold = 64 * 1024;

void AppendField(std::string& out, std::string_view field, char delimiter) {
  const char needsQuotes[] = {delimiter, '"', '\r', '\n'};
  if (field.find_first_of(std::string_view(needsQuotes, sizeof needsQuotes)) == std::string_view::npos) {
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

void AppendCsvRow(std::string& out, std::initializer_list<std::string_view> fields, char delimiter) {
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

bool CsvWriter::WriteRow(std::initializer_list<std::string_view> fields) {
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
