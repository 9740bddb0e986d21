// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// CsvRowReader: reads delimited rows with RFC 4180 quoting from a stream, one
// row at a time, through libcsv. A quoted field may hold the delimiter,
// doubled quotes and line breaks, and keeps its text byte for byte. Spaces
// and tabs around a field, outside its quotes, are padding, not part of it
// (a field of spaces is empty); every other byte is text, with no character
// set conversion. Rows end at LF, CR LF or a lone CR, and each of them ends a
// line, so line numbers are those an editor shows. Blank lines, lines of
// spaces and tabs included, are skipped. A UTF-8 byte-order mark that opens
// the input, as some spreadsheets write, is not part of the first field (see
// startedWithByteOrderMark); a UTF-16 one is refused before any row.
//
// A row is served as soon as its line end has been read, so rows typed at a
// terminal or written into a pipe are answered at once; the caller learns,
// through a callback, when the reader is about to wait for more input.
// Memory stays bounded by one input block and the longest field, whatever
// the length of the input. Rows can also be read from bytes already in
// memory, with the same results as from a file holding them.

#include <csv.h>

#include <cstddef>
#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct CsvRow {
  std::size_t line = 0;             // the line on which the row starts, from 1
  std::size_t fieldCount = 0;       // every field of the row
  std::vector<std::string> fields;  // the first min(fieldCount, kept fields) of them
  bool extraFieldsEmpty = true;     // every field beyond the kept ones is empty
};

// A row that cannot be read: malformed quoting, a UTF-16 input, or a failing
// stream.
class CsvReadError : public std::runtime_error {
 public:
  CsvReadError(std::size_t line, const std::string& message);
  std::size_t line() const { return line_; }

 private:
  std::size_t line_;
};

class CsvRowReader {
 public:
  // Reads `input` (not owned; left open), through its file descriptor when
  // it has one: nothing may have been read from it through stdio before.
  // Only the first `keptFields` fields of a row are stored, so a line of
  // countless fields cannot exhaust memory. `beforeWaiting`, when given, is
  // called before a read that would wait (a pipe or a terminal with nothing
  // ready), for instance to flush the answers written so far.
  CsvRowReader(std::FILE* input, char delimiter, std::size_t keptFields,
               std::function<void()> beforeWaiting = {});
  // Reads `text` (not copied: it must outlive the reader) as a whole input;
  // the rows and errors are those of a file holding the same bytes.
  CsvRowReader(std::string_view text, char delimiter, std::size_t keptFields);
  ~CsvRowReader();
  CsvRowReader(const CsvRowReader&) = delete;
  CsvRowReader& operator=(const CsvRowReader&) = delete;

  // The next row, or nullptr at the end of the input. The row stays valid
  // until the next call. Raises CsvReadError, naming the line on which the
  // faulty row starts, for an unterminated quoted field, a quote out of
  // place, a UTF-16 byte-order mark, a read error or exhausted memory; again
  // on later calls.
  const CsvRow* Next();

  // Whether the input opened with a UTF-8 byte-order mark; known once Next
  // has been called.
  bool startedWithByteOrderMark() const { return byteOrderMark_; }

 private:
  CsvRowReader(char delimiter, std::size_t keptFields);
  const CsvRow* NextRow();
  void CheckEncoding();
  bool Refill();
  std::size_t Read(char* into, std::size_t capacity);
  bool InputWouldWait() const;
  std::size_t NextByte(char c, std::size_t& cached) const;
  void ParseLine();
  void CountLineEnd(const char* piece, std::size_t length);
  const CsvRow* Finish();
  static void OnField(void* text, std::size_t length, void* self);
  static void OnRowEnd(int terminator, void* self);
  void AddField(const char* text, std::size_t length);
  void EndRow();
  void RethrowCallbackFailure();
  [[noreturn]] void FailParse();
  [[noreturn]] void Fail(const std::string& message) const;

  std::FILE* input_ = nullptr;  // none: the input is in memory, whole
  int descriptor_ = -1;
  std::size_t keptFields_;
  std::function<void()> beforeWaiting_;
  csv_parser parser_;
  std::vector<char> block_;      // what is read from input_
  const char* bytes_ = nullptr;  // the bytes being parsed: block_, or the text in memory
  std::size_t position_ = 0;     // next unparsed byte of bytes_
  std::size_t end_ = 0;          // end of the bytes held in bytes_
  static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
  std::size_t nextCr_ = kUnknown;  // the next CR in bytes_ from position_ on, or end_
  std::size_t nextLf_ = kUnknown;  // the next LF, likewise
  CsvRow row_;
  bool rowEnded_ = false;               // the parser ended a row or a blank line
  bool rowReady_ = false;               // ... and it was a row to serve
  bool afterCr_ = false;                // the last byte parsed was a CR: an LF now is its pair
  std::size_t line_ = 1;                // the line of the next byte
  std::size_t rowLine_ = 1;             // the line on which the open or next row starts
  std::exception_ptr callbackFailure_;  // raised inside a libcsv callback
  std::exception_ptr failure_;
  bool encodingChecked_ = false;
  bool byteOrderMark_ = false;
  bool finished_ = false;
};

}  // namespace cli
