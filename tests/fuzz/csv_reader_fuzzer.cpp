// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The companion's CSV reader on any bytes: it never crashes, fails only with
// CsvReadError (and keeps failing once it has), keeps at most the fields it
// was asked to keep, says that fields beyond them are empty only when they
// are, and numbers rows by increasing lines that never pass the line ends of
// the input. Then the same bytes cut into three fields go through the
// companion's CSV writer, after a header row, and must read back as exactly
// those three fields. (The header comes first because the reader drops a
// UTF-8 byte-order mark at the start of a stream and refuses a UTF-16 one.)
// The reader reads the bytes in memory, as it reads a file that holds them
// (its unit test checks that both give the same rows), so an input costs no
// system call.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/csv_rows.h"
#include "cli/csv_writer.h"

namespace {

constexpr std::size_t kKeptFields = 4;

char Delimiter(std::uint8_t byte) {
  const char c = static_cast<char>(byte);
  return c == '"' || c == '\r' || c == '\n' ? ',' : c;
}

// The lines of `bytes` as an editor counts them: LF, CR LF and a lone CR end one.
std::size_t Lines(std::string_view bytes) {
  std::size_t lines = 1;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++lines;
  }
  return lines;
}

// Reads every row of `bytes`, kept in `rows` when given; false when the
// reader failed (with CsvReadError).
bool ReadAll(std::string_view bytes, char delimiter, std::vector<cli::CsvRow>* rows) {
  cli::CsvRowReader reader(bytes, delimiter, kKeptFields);
  std::size_t lastLine = 0;
  const std::size_t lines = Lines(bytes);
  try {
    while (const cli::CsvRow* row = reader.Next()) {
      if (row->fields.size() != std::min(row->fieldCount, kKeptFields)) std::abort();
      if (row->fieldCount <= kKeptFields && !row->extraFieldsEmpty) std::abort();
      if (row->line <= lastLine || row->line > lines) std::abort();
      lastLine = row->line;
      if (rows) rows->push_back(*row);
    }
  } catch (const cli::CsvReadError&) {
    // A failed reader keeps failing.
    try {
      reader.Next();
      std::abort();
    } catch (const cli::CsvReadError&) {
    }
    return false;
  }
  return true;
}

std::vector<std::string> CutIntoThree(std::string_view bytes) {
  std::vector<std::string> fields;
  for (int i = 0; i < 2; ++i) {
    const std::size_t cut = bytes.find('\0');
    fields.emplace_back(bytes.substr(0, cut));
    bytes = cut == std::string_view::npos ? std::string_view() : bytes.substr(cut + 1);
  }
  fields.emplace_back(bytes);
  return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char delimiter = Delimiter(data[0]);
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  // 1. Any bytes.
  ReadAll(bytes, delimiter, nullptr);

  // 2. Written and read back.
  const std::vector<std::string> fields = CutIntoThree(bytes);
  std::string written;
  cli::AppendCsvRow(written, {"A", "P", "C"}, delimiter);
  cli::AppendCsvRow(written, {fields[0], fields[1], fields[2]}, delimiter);
  std::vector<cli::CsvRow> readBack;
  if (!ReadAll(written, delimiter, &readBack)) std::abort();
  if (readBack.size() != 2 || readBack[1].fieldCount != 3 || readBack[1].fields != fields) std::abort();
  return 0;
}
