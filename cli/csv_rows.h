#pragma once
// CsvRowReader: reads delimited rows with RFC 4180 quoting from a stream, one
// row at a time. Field texts come back byte for byte (no trimming, no
// character set conversion); a quoted field may hold the delimiter, doubled
// quotes and line breaks, and spaces before its opening quote are not part of
// it. Rows end at LF, CR LF or a lone CR, and each of them ends a line, so
// line numbers are those an editor shows. Blank lines, spaces-only lines
// included, are skipped. A UTF-8 byte-order mark that opens the input, as
// some spreadsheets write, is not part of the first field (see
// startedWithByteOrderMark); a UTF-16 one is refused before any row.
//
// A row is served as soon as its line end has been read, so rows typed at a
// terminal or written into a pipe are answered at once; the caller learns,
// through a callback, when the reader is about to wait for more input.
// Memory stays bounded by one input block and the longest kept field,
// whatever the length of the input.

#include <cstddef>
#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
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
  CsvRowReader(const CsvRowReader&) = delete;
  CsvRowReader& operator=(const CsvRowReader&) = delete;

  // The next row, or nullptr at the end of the input. The row stays valid
  // until the next call. Raises CsvReadError, naming the line on which the
  // faulty row starts, for an unterminated quoted field, a quote out of
  // place, a UTF-16 byte-order mark or a read error; again on later calls.
  const CsvRow* Next();

  // Whether the input opened with a UTF-8 byte-order mark; known once Next
  // has been called.
  bool startedWithByteOrderMark() const { return byteOrderMark_; }

 private:
  enum class State {
    RowStart,       // between rows: line ends here are blank lines
    FieldStart,     // a field begins at the next byte
    Unquoted,       // inside a field without quotes
    Quoted,         // inside a quoted field
    QuoteInQuoted,  // a quote inside a quoted field: doubled, or the end
  };

  const CsvRow* NextRow();
  void CheckEncoding();
  bool Refill();
  std::size_t Read(char* into, std::size_t capacity);
  bool InputWouldWait() const;
  bool ParseRow();
  void ParseUnquoted();
  void ParseQuoted();
  bool ParseAfterQuote();
  void LineEnd(char c);
  void BeginField();
  void Append(const char* text, std::size_t length);
  void EndField();
  bool EndRow();
  [[noreturn]] void Fail(const std::string& message) const;

  std::FILE* input_;
  int descriptor_;
  char delimiter_;
  std::size_t keptFields_;
  std::function<void()> beforeWaiting_;
  std::vector<char> block_;
  std::size_t position_ = 0;  // next unparsed byte of block_
  std::size_t end_ = 0;       // end of the bytes read into block_
  State state_ = State::RowStart;
  CsvRow row_;
  std::string* field_ = nullptr;  // the kept field being read, or none
  bool fieldHasText_ = false;
  bool spacesOnly_ = false;  // the field is unquoted and all spaces so far
  bool afterCr_ = false;     // the last byte was a CR: an LF now is its pair
  std::size_t line_ = 1;     // the line of the next byte
  std::size_t rowLine_ = 1;  // the line on which the open row started
  std::exception_ptr failure_;
  bool encodingChecked_ = false;
  bool byteOrderMark_ = false;
  bool finished_ = false;
};

}  // namespace cli
