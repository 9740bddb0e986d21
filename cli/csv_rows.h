#pragma once
// CsvRowReader: reads delimited rows with RFC 4180 quoting from a stream, one
// row at a time, through libcsv. Field texts come back byte for byte (no
// trimming, no character set conversion); a quoted field may hold the
// delimiter, doubled quotes and line breaks. Rows end at LF, CRLF or a lone
// CR; blank lines are skipped; line numbers count LFs. A UTF-8 byte-order
// mark that opens the input, as some spreadsheets write, is not part of the
// first field (see startedWithByteOrderMark). Memory stays bounded
// by one input block, the longest field and the rows of one block, whatever
// the length of the input.

#include <csv.h>

#include <cstddef>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

struct CsvRow {
  std::size_t line = 0;             // the line on which the row starts, from 1
  std::size_t fieldCount = 0;       // every field of the row
  std::vector<std::string> fields;  // the first min(fieldCount, kept fields) of them
};

// A row that cannot be read: malformed quoting, or a failing stream.
class CsvReadError : public std::runtime_error {
 public:
  CsvReadError(std::size_t line, const std::string& message);
  std::size_t line() const { return line_; }

 private:
  std::size_t line_;
};

class CsvRowReader {
 public:
  // Reads `input` (not owned; left open). Only the first `keptFields` fields
  // of a row are stored, so a line of countless fields cannot exhaust memory.
  CsvRowReader(std::FILE* input, char delimiter, std::size_t keptFields);
  ~CsvRowReader();
  CsvRowReader(const CsvRowReader&) = delete;
  CsvRowReader& operator=(const CsvRowReader&) = delete;

  // The next row, or nullptr at the end of the input. The row stays valid
  // until the next call. Raises CsvReadError for an unterminated quoted
  // field, a quote out of place, a read error or exhausted memory, once every
  // row completed before the fault has been returned; again on later calls.
  const CsvRow* Next();

  // Whether the input opened with a UTF-8 byte-order mark; known once Next
  // has been called.
  bool startedWithByteOrderMark() const { return byteOrderMark_; }

 private:
  static void OnField(void* text, std::size_t length, void* self);
  static void OnRowEnd(int terminator, void* self);
  void AddField(const char* text, std::size_t length);
  void EndRow(int terminator);
  void Refill();
  void Finish();
  [[noreturn]] void FailParse(std::size_t line);
  void RethrowCallbackFailure();

  std::FILE* input_;
  std::size_t keptFields_;
  csv_parser parser_;
  std::vector<char> block_;
  std::vector<CsvRow> rows_;  // completed rows of the current block; reused
  std::size_t rowsReady_ = 0;
  std::size_t rowsServed_ = 0;
  std::size_t line_ = 1;                // line reached by the parser's callbacks
  std::size_t rowLine_ = 1;             // line on which the open row started
  std::size_t blockLine_ = 1;           // line on which the current block starts
  std::exception_ptr callbackFailure_;  // raised inside a libcsv callback
  std::exception_ptr failure_;          // raised once the ready rows are served
  bool firstBlock_ = true;
  bool byteOrderMark_ = false;
  bool finished_ = false;
};

}  // namespace cli
