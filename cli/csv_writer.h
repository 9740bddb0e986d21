// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Writing delimited rows that a spreadsheet and CsvRowReader read back to the
// same texts. A field is quoted only when it must be: when it holds the
// delimiter, a quote, a CR or an LF, or begins or ends with a space or a tab
// (padding outside quotes); quotes inside it are doubled. Rows end with LF.
// Write failures are reported to the caller, never ignored.

#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace cli {

// Appends one row to `out`.
void AppendCsvRow(std::string& out, std::span<const std::string_view> fields, char delimiter);
inline void AppendCsvRow(std::string& out, std::initializer_list<std::string_view> fields, char delimiter) {
  AppendCsvRow(out, {fields.begin(), fields.size()}, delimiter);
}

class CsvWriter {
 public:
  // Writes to `output` (not owned; left open) through a buffer of its own.
  CsvWriter(std::FILE* output, char delimiter);

  // False once writing has failed; the failure is not retried.
  bool WriteRow(std::span<const std::string_view> fields);
  bool WriteRow(std::initializer_list<std::string_view> fields) {
    return WriteRow({fields.begin(), fields.size()});
  }
  // Bytes as they are, outside any row: a byte-order mark.
  bool WriteText(std::string_view text);
  // Hands everything buffered to the stream and flushes it; false on failure.
  bool Flush();
  // The errno of the failed write, 0 while nothing failed.
  int failure() const { return failure_; }

 private:
  bool Drain();
  void Fail();

  std::FILE* output_;
  char delimiter_;
  std::string buffer_;
  bool failed_ = false;
  int failure_ = 0;
};

}  // namespace cli
