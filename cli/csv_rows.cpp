#include "cli/csv_rows.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

namespace cli {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeByteOrderMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeByteOrderMark = "\xFE\xFF";

// Whether more bytes could still complete a byte-order mark that `start`
// begins.
bool CouldBeByteOrderMark(std::string_view start) {
  for (std::string_view mark : {kUtf8ByteOrderMark, kUtf16LeByteOrderMark, kUtf16BeByteOrderMark}) {
    if (start.size() < mark.size() && mark.starts_with(start)) return true;
  }
  return false;
}

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

}  // namespace

CsvReadError::CsvReadError(std::size_t line, const std::string& message)
    : std::runtime_error(message), line_(line) {}

CsvRowReader::CsvRowReader(std::FILE* input, char delimiter, std::size_t keptFields,
                           std::function<void()> beforeWaiting)
    : input_(input),
      descriptor_(::fileno(input)),
      delimiter_(delimiter),
      keptFields_(keptFields),
      beforeWaiting_(std::move(beforeWaiting)),
      block_(kBlockSize) {}

const CsvRow* CsvRowReader::Next() {
  if (failure_) std::rethrow_exception(failure_);
  try {
    return NextRow();
  } catch (const CsvReadError&) {
    failure_ = std::current_exception();
    throw;
  }
}

const CsvRow* CsvRowReader::NextRow() {
  if (!encodingChecked_) CheckEncoding();
  while (!finished_) {
    if (ParseRow()) return &row_;
    if (Refill()) continue;
    // The end of the input ends an open row, unless a quote is open.
    finished_ = true;
    if (state_ == State::Quoted)
      Fail("un campo aperto con le virgolette non è chiuso prima della fine del file");
    if (state_ == State::FieldStart) BeginField();  // an empty last field
    if (state_ != State::RowStart) {
      EndField();
      if (EndRow()) return &row_;
    }
  }
  return nullptr;
}

// Reads until the first bytes tell whether a byte-order mark opens the
// input (a pipe may deliver them one at a time).
void CsvRowReader::CheckEncoding() {
  encodingChecked_ = true;
  while (CouldBeByteOrderMark(std::string_view(block_.data(), end_))) {
    const std::size_t length = Read(block_.data() + end_, block_.size() - end_);
    if (length == 0) break;
    end_ += length;
  }
  const std::string_view start(block_.data(), end_);
  if (start.starts_with(kUtf16LeByteOrderMark) || start.starts_with(kUtf16BeByteOrderMark)) {
    Fail(std::string("il file è codificato in UTF-16 ") + (start[0] == '\xFF' ? "LE" : "BE") +
         " (\"testo Unicode\"): salvarlo come CSV in UTF-8 prima di leggerlo");
  }
  byteOrderMark_ = start.starts_with(kUtf8ByteOrderMark);
  if (byteOrderMark_) position_ = kUtf8ByteOrderMark.size();
}

// False at the end of the input.
bool CsvRowReader::Refill() {
  position_ = 0;
  end_ = Read(block_.data(), block_.size());
  return end_ > 0;
}

std::size_t CsvRowReader::Read(char* into, std::size_t capacity) {
  if (descriptor_ < 0) {  // a stream without a descriptor, in memory: never waits
    const std::size_t length = std::fread(into, 1, capacity, input_);
    if (length == 0 && std::ferror(input_)) Fail(std::string("errore di lettura: ") + std::strerror(errno));
    return length;
  }
  if (beforeWaiting_ && InputWouldWait()) beforeWaiting_();
  for (;;) {
    const ssize_t length = ::read(descriptor_, into, capacity);
    if (length >= 0) return static_cast<std::size_t>(length);
    if (errno != EINTR) Fail(std::string("errore di lettura: ") + std::strerror(errno));
  }
}

// A regular file is always ready; a pipe or a terminal may not be.
bool CsvRowReader::InputWouldWait() const {
  pollfd ready{.fd = descriptor_, .events = POLLIN, .revents = 0};
  return ::poll(&ready, 1, 0) == 0;
}

// Parses the bytes read so far; true when a row is complete and not blank.
bool CsvRowReader::ParseRow() {
  while (position_ < end_) {
    const char c = block_[position_];
    switch (state_) {
      case State::RowStart:
        if (IsLineEnd(c)) {  // a blank line, or the LF of a CR LF
          ++position_;
          LineEnd(c);
          continue;
        }
        rowLine_ = line_;
        row_.fieldCount = 0;
        row_.extraFieldsEmpty = true;
        state_ = State::FieldStart;
        continue;
      case State::FieldStart:
        BeginField();
        if (c == '"') {
          ++position_;
          afterCr_ = spacesOnly_ = false;
          state_ = State::Quoted;
        }
        continue;
      case State::Unquoted: ParseUnquoted(); break;
      case State::Quoted: ParseQuoted(); break;
      case State::QuoteInQuoted:
        if (ParseAfterQuote()) break;
        continue;
    }
    if (state_ == State::RowStart && EndRow()) return true;
  }
  return false;
}

// The run of ordinary bytes, then what ends it.
void CsvRowReader::ParseUnquoted() {
  const char* start = block_.data() + position_;
  const char* stop = block_.data() + end_;
  const char* c = start;
  while (c != stop && *c != delimiter_ && *c != '"' && !IsLineEnd(*c)) ++c;
  if (c != start) {
    spacesOnly_ = spacesOnly_ && std::all_of(start, c, [](char b) { return b == ' '; });
    Append(start, static_cast<std::size_t>(c - start));
    afterCr_ = false;
  }
  position_ = static_cast<std::size_t>(c - block_.data());
  if (c == stop) return;
  ++position_;
  if (!IsLineEnd(*c)) afterCr_ = false;
  if (*c == delimiter_) {
    EndField();
    state_ = State::FieldStart;
  } else if (*c == '"') {
    if (!spacesOnly_) {
      Fail(
          "virgolette fuori posto: un campo che contiene virgolette va scritto tutto tra virgolette, "
          "raddoppiando quelle interne");
    }
    // Spaces before an opening quote are not part of the field.
    if (field_) field_->clear();
    fieldHasText_ = spacesOnly_ = false;
    state_ = State::Quoted;
  } else {
    LineEnd(*c);
    EndField();
    state_ = State::RowStart;
  }
}

void CsvRowReader::ParseQuoted() {
  const char* start = block_.data() + position_;
  const char* stop = block_.data() + end_;
  const char* c = start;
  while (c != stop && *c != '"' && !IsLineEnd(*c)) ++c;
  if (c != start) {
    Append(start, static_cast<std::size_t>(c - start));
    afterCr_ = false;
  }
  position_ = static_cast<std::size_t>(c - block_.data());
  if (c == stop) return;
  ++position_;
  if (*c == '"') {
    afterCr_ = false;
    state_ = State::QuoteInQuoted;
  } else {  // a line break inside the field belongs to its text
    LineEnd(*c);
    Append(c, 1);
  }
}

// After a quote inside a quoted field: a second quote is a quote of the
// text; a delimiter or a line end closes the field; anything else is out of
// place. False when the byte was consumed without ending the row.
bool CsvRowReader::ParseAfterQuote() {
  const char c = block_[position_];
  if (c == '"') {
    ++position_;
    Append(&c, 1);
    state_ = State::Quoted;
    return false;
  }
  if (c == delimiter_) {
    ++position_;
    EndField();
    state_ = State::FieldStart;
    return false;
  }
  if (!IsLineEnd(c)) {
    Fail(
        "virgolette fuori posto: dopo le virgolette che chiudono un campo serve il delimitatore o un a capo");
  }
  ++position_;
  LineEnd(c);
  EndField();
  state_ = State::RowStart;
  return true;
}

// Counts a line end: an LF, a lone CR, or a CR LF pair once.
void CsvRowReader::LineEnd(char c) {
  if (!(c == '\n' && afterCr_)) ++line_;
  afterCr_ = c == '\r';
}

// An empty unquoted field, until its first byte says otherwise.
void CsvRowReader::BeginField() {
  const std::size_t index = row_.fieldCount;
  field_ = nullptr;
  if (index < keptFields_) {
    if (row_.fields.size() <= index) row_.fields.emplace_back();
    field_ = &row_.fields[index];
    field_->clear();
  }
  fieldHasText_ = false;
  spacesOnly_ = true;
  state_ = State::Unquoted;
}

void CsvRowReader::Append(const char* text, std::size_t length) {
  if (field_) field_->append(text, length);
  fieldHasText_ = true;
}

void CsvRowReader::EndField() {
  if (!field_ && fieldHasText_) row_.extraFieldsEmpty = false;
  ++row_.fieldCount;
}

// True when the row just ended is to be served: not a line of spaces.
bool CsvRowReader::EndRow() {
  state_ = State::RowStart;
  if (row_.fieldCount == 1 && spacesOnly_) return false;
  row_.fields.resize(std::min(row_.fieldCount, keptFields_));
  row_.line = rowLine_;
  return true;
}

void CsvRowReader::Fail(const std::string& message) const {
  throw CsvReadError(state_ == State::RowStart ? line_ : rowLine_, message);
}

}  // namespace cli
