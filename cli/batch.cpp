// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/batch.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calc_error.h"
#include "calc/discrepancy.h"
#include "cli/award_output.h"
#include "cli/csv_rows.h"
#include "cli/csv_writer.h"
#include "form/field_labels.h"
#include "form/results.h"

namespace cli {
namespace {

constexpr std::size_t kInputFields = 3;

// A row's fields without the award check: the inputs, the results and the error.
constexpr std::size_t kRowFields = 7;

// The title of the error column, after those of the results.
constexpr std::string_view kErrorTitle = "Errore";

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string LinePrefix(std::size_t line) { return "riga " + std::to_string(line) + ": "; }

// The error of a row whose amounts are not all given, naming the empty cells
// by their fields' labels; empty when none is.
std::string EmptyCellsMessage(const std::vector<std::string>& fields) {
  static_assert(std::size(form::kInputLabels) == kInputFields);
  std::string names;
  std::size_t empty = 0;
  for (std::size_t i = 0; i < kInputFields; ++i) {
    if (fields[i].empty()) names.append(empty++ == 0 ? "" : ", ").append(form::kInputLabels[i]);
  }
  if (empty == 0) return names;
  return (empty == 1 ? "cella vuota: " : "celle vuote: ") + names;
}

class Batch {
 public:
  // A failed flush before waiting is not reported there: the writer stays
  // failed, and the next row or the end of the input reports it.
  Batch(std::FILE* input, std::FILE* output, const BatchOptions& options)
      : writer_(output, options.delimiter),
        reader_(input, options.delimiter, kInputFields, [this] { writer_.Flush(); }),
        options_(options) {
    if (options.award) awardInputs_ = AwardInputsOf(*options.award, {}, {}, {});
  }

  BatchSummary Run() {
    try {
      WriteRows();
    } catch (const BatchError&) {
      writer_.Flush();  // the rows before the fault reach the output
      throw;
    }
    if (!writer_.Flush()) FailWrite(lastLine_);
    return summary_;
  }

 private:
  // A byte-order mark that opens the input opens the output too, so that a
  // spreadsheet reads the output in the same character set.
  void WriteRows() {
    bool titles = options_.header;
    const CsvRow* row = NextRow();
    if (reader_.startedWithByteOrderMark() && !writer_.WriteText(kByteOrderMark)) FailWrite(1);
    for (; row; row = NextRow()) {
      CheckFieldCount(*row);
      if (titles) {
        WriteTitles(*row);
        titles = false;
      } else {
        WriteResults(*row);
      }
    }
  }

  const CsvRow* NextRow() {
    try {
      const CsvRow* row = reader_.Next();
      if (row) lastLine_ = row->line;
      return row;
    } catch (const CsvReadError& error) {
      throw BatchError(error.line(), LinePrefix(error.line()) + error.what());
    }
  }

  static void CheckFieldCount(const CsvRow& row) {
    if (row.fieldCount < kInputFields || !row.extraFieldsEmpty) {
      throw BatchError(row.line, LinePrefix(row.line) + "la riga ha " + std::to_string(row.fieldCount) +
                                     (row.fieldCount == 1 ? " campo" : " campi") +
                                     " invece di 3 (importo a base d'asta, percentuale di ribasso, "
                                     "importo dell'Impresa; dopo il terzo sono ammessi solo campi vuoti)");
    }
  }

  void WriteTitles(const CsvRow& row) {
    const auto& f = row.fields;
    // The results' columns are titled with the labels of their fields.
    Write(row,
          {f[0], f[1], f[2], form::kResultLabels[0], form::kResultLabels[1], form::kResultLabels[2],
           kErrorTitle},
          options_.award ? std::span(kAwardColumnTitles) : std::span<const std::string_view>());
  }

  // A row with an empty field gets no results, as the window shows none;
  // under strict it fails, its message naming the empty cells.
  void WriteResults(const CsvRow& row) {
    const auto& f = row.fields;
    calc::DiscrepancyTexts texts;
    std::string message = options_.strict ? EmptyCellsMessage(f) : std::string();
    try {
      if (message.empty())
        texts = form::ComputeResults(f[0], f[1], f[2], options_.separator).value_or(calc::DiscrepancyTexts{});
    } catch (const calc::CalcError& error) {
      message = error.what();
    }
    // The award check of the row, with the tender's options of the command line.
    const award::AwardAnswer award =
        options_.award ? award::AnswerAward(AwardInputsOfRow(f), options_.separator, award::Digits::Plain)
                       : award::AwardAnswer{};
    const std::array<std::string_view, kAwardColumns> awardCells = AwardCells(award);
    if (award.texts) {
      for (const std::string& warning : award.texts->warnings)
        options_.warn(LinePrefix(row.line) + "avviso: " + warning);
    }
    ++summary_.rows;
    if (!message.empty() || !award.error.empty()) ++summary_.failedRows;
    Write(row, {f[0], f[1], f[2], texts.computedTotal, texts.difference, texts.discrepancy, message},
          options_.award ? std::span(awardCells) : std::span<const std::string_view>());
  }

  // The award check's inputs for a row: the tender's, from the command line,
  // kept from row to row, with the row's own three.
  const award::AwardInputs& AwardInputsOfRow(const std::vector<std::string>& f) {
    awardInputs_.baseAmount.assign(f[0]);
    awardInputs_.discount.assign(f[1]);
    awardInputs_.contractorTotal.assign(f[2]);
    return awardInputs_;
  }

  // The row's fields, then the award check's columns when --award asks for them.
  void Write(const CsvRow& row, std::initializer_list<std::string_view> fields,
             std::span<const std::string_view> awardFields) {
    assert(fields.size() <= kRowFields && awardFields.size() <= kAwardColumns);
    std::array<std::string_view, kRowFields + kAwardColumns> all;
    const auto end = std::copy(awardFields.begin(), awardFields.end(),
                               std::copy(fields.begin(), fields.end(), all.begin()));
    if (!writer_.WriteRow(std::span(all.begin(), end))) FailWrite(row.line);
  }

  [[noreturn]] void FailWrite(std::size_t line) const {
    throw BatchError(
        line, LinePrefix(line) + "scrittura dei risultati non riuscita: " + std::strerror(writer_.failure()));
  }

  CsvWriter writer_;  // before reader_, which flushes it
  CsvRowReader reader_;
  BatchOptions options_;
  award::AwardInputs awardInputs_;  // with --award: the tender's inputs, and the last row's
  std::size_t lastLine_ = 1;
  BatchSummary summary_;
};

}  // namespace

BatchError::BatchError(std::size_t line, const std::string& message)
    : std::runtime_error(message), line_(line) {}

BatchSummary RunBatch(std::FILE* input, std::FILE* output, const BatchOptions& options) {
  return Batch(input, output, options).Run();
}

}  // namespace cli
