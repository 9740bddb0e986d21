// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The companion's batch mode: every row of three amount texts read from a
// delimited stream becomes one output row with the three texts as read,
// then the computed total, the difference, the discrepancy percentage and the
// error message. A row whose computation fails is data (its message goes in
// the last column); a row with an empty field is not computed, as in the main
// window, and gets four empty columns, or under `strict` three empty ones and
// a message naming the empty cells, as a failed row. A row may end with empty
// fields after the third (a trailing delimiter, as spreadsheets export an
// empty column): they are dropped, so every output row has seven fields. A
// UTF-8 byte-order mark opening the input opens the output. Rows stream
// through: memory does not grow with their number, and each answer is flushed
// before the batch waits for more input, so rows typed or piped in are
// answered at once.
// With the award options every row also gets the award check's columns, the
// tender's costs, decimals and guarantee the same for every row; a row whose
// check gives no figures counts as failed.

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "cli/arguments.h"

namespace cli {

struct BatchOptions {
  char delimiter = ';';
  char separator = ',';               // decimal separator of the amount and result texts
  bool header = false;                // the first row holds column titles, copied and extended
  bool strict = false;                // a row with an empty amount fails, its message naming the cell
  std::optional<AwardOptions> award;  // the award check's columns too, for these options
  // Told each warning of the award check, "riga 3: avviso: Importo a base
  // d'asta letto come 250,000: ..."; the row is written all the same.
  std::function<void(const std::string& message)> warn = [](const std::string&) {};
};

// What a batch that ran to its end did.
struct BatchSummary {
  std::size_t rows = 0;        // rows read, the title row apart
  std::size_t failedRows = 0;  // rows with a message in an error column
};

// Input that cannot be read or output that cannot be written. The message
// names the input line (counted from 1) and the fault, in Italian.
class BatchError : public std::runtime_error {
 public:
  BatchError(std::size_t line, const std::string& message);
  std::size_t line() const { return line_; }

 private:
  std::size_t line_;
};

// Processes `input` to its end (rows already written stay written when a
// BatchError stops it). Raises BatchError for malformed quoting, a UTF-16
// input, a row without three fields (and nothing but empty ones after them),
// a read error or a write error.
BatchSummary RunBatch(std::FILE* input, std::FILE* output, const BatchOptions& options);

}  // namespace cli
