#include "cli/csv_rows.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

namespace cli {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Field texts are kept byte for byte: no character counts as padding.
int NeverSpace(unsigned char) {
  return 0;
}

std::size_t CountLineFeeds(const char* text, std::size_t length) {
  return static_cast<std::size_t>(std::count(text, text + length, '\n'));
}

}  // namespace

CsvReadError::CsvReadError(std::size_t line, const std::string& message)
    : std::runtime_error(message), line_(line) {}

// CSV_STRICT rejects quotes out of place, CSV_STRICT_FINI an unterminated
// quoted field at the end of the input, and CSV_REPALL_NL reports every line
// end, blank lines and the LF of a CRLF included, so that lines can be counted.
CsvRowReader::CsvRowReader(std::FILE* input, char delimiter, std::size_t keptFields)
    : input_(input), keptFields_(keptFields), block_(kBlockSize), rows_(1) {
  if (csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0) {
    throw CsvReadError(1, "memoria insufficiente per leggere il CSV");
  }
  csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
  csv_set_space_func(&parser_, NeverSpace);
}

CsvRowReader::~CsvRowReader() {
  csv_free(&parser_);
}

// A fault found in a block is raised only after the rows completed before it
// have been served, so that a caller can pass every good row on.
const CsvRow* CsvRowReader::Next() {
  while (rowsServed_ == rowsReady_) {
    if (failure_) std::rethrow_exception(failure_);
    if (finished_) return nullptr;
    // Every completed row was served: the open row moves to the front and
    // the other slots are reused for the next block.
    std::swap(rows_.front(), rows_[rowsReady_]);
    rowsReady_ = rowsServed_ = 0;
    try {
      Refill();
    } catch (...) {
      failure_ = std::current_exception();
    }
  }
  return &rows_[rowsServed_++];
}

void CsvRowReader::Refill() {
  std::size_t length = std::fread(block_.data(), 1, block_.size(), input_);
  if (length == 0) {
    if (std::ferror(input_)) {
      throw CsvReadError(blockLine_, std::string("errore di lettura: ") + std::strerror(errno));
    }
    Finish();
    return;
  }
  const char* text = block_.data();
  if (firstBlock_) {
    firstBlock_ = false;
    byteOrderMark_ = std::string_view(text, length).starts_with(kByteOrderMark);
    if (byteOrderMark_) {
      text += kByteOrderMark.size();
      length -= kByteOrderMark.size();
    }
  }
  std::size_t parsed = csv_parse(&parser_, text, length, OnField, OnRowEnd, this);
  RethrowCallbackFailure();
  if (parsed < length) FailParse(blockLine_ + CountLineFeeds(text, parsed));
  blockLine_ += CountLineFeeds(text, length);
}

void CsvRowReader::Finish() {
  finished_ = true;
  int status = csv_fini(&parser_, OnField, OnRowEnd, this);
  RethrowCallbackFailure();
  if (status != 0) {
    throw CsvReadError(rowLine_, "un campo aperto con le virgolette non è chiuso prima della fine del file");
  }
}

void CsvRowReader::FailParse(std::size_t line) {
  if (csv_error(&parser_) == CSV_EPARSE) {
    throw CsvReadError(line,
                       "virgolette fuori posto: un campo che contiene virgolette va scritto tutto tra "
                       "virgolette, raddoppiando quelle interne");
  }
  throw CsvReadError(line, std::string("lettura del CSV non riuscita: ") + csv_strerror(csv_error(&parser_)));
}

void CsvRowReader::RethrowCallbackFailure() {
  if (callbackFailure_) std::rethrow_exception(callbackFailure_);
}

// libcsv is C: nothing may be thrown through it, so a failure inside a
// callback is kept and raised once csv_parse or csv_fini has returned.
void CsvRowReader::OnField(void* text, std::size_t length, void* self) {
  auto* reader = static_cast<CsvRowReader*>(self);
  try {
    if (!reader->callbackFailure_) reader->AddField(static_cast<const char*>(text), length);
  } catch (...) {
    reader->callbackFailure_ = std::current_exception();
  }
}

void CsvRowReader::OnRowEnd(int terminator, void* self) {
  auto* reader = static_cast<CsvRowReader*>(self);
  try {
    if (!reader->callbackFailure_) reader->EndRow(terminator);
  } catch (...) {
    reader->callbackFailure_ = std::current_exception();
  }
}

void CsvRowReader::AddField(const char* text, std::size_t length) {
  CsvRow& row = rows_[rowsReady_];
  if (row.fieldCount < keptFields_) {
    if (row.fieldCount < row.fields.size()) {
      row.fields[row.fieldCount].assign(text ? text : "", length);
    } else {
      row.fields.emplace_back(text ? text : "", length);
    }
  }
  ++row.fieldCount;
  // An unquoted line end always ends a row, so a line feed inside a field
  // belongs to a quoted field that spans lines.
  line_ += CountLineFeeds(text, text ? length : 0);
}

// `terminator` is the CR or LF that ended the row, or -1 at the end of input.
void CsvRowReader::EndRow(int terminator) {
  CsvRow& row = rows_[rowsReady_];
  if (row.fieldCount > 0) {
    row.line = rowLine_;
    row.fields.resize(std::min(row.fieldCount, keptFields_));
    ++rowsReady_;
    if (rowsReady_ == rows_.size()) rows_.emplace_back();
    rows_[rowsReady_].fieldCount = 0;
  }
  if (terminator == '\n') ++line_;
  rowLine_ = line_;
}

}  // namespace cli
