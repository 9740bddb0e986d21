// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/csv_rows.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
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

}  // namespace

CsvReadError::CsvReadError(std::size_t line, const std::string& message)
    : std::runtime_error(message), line_(line) {}

// CSV_STRICT rejects quotes out of place, CSV_STRICT_FINI an unterminated
// quoted field at the end of the input, and CSV_REPALL_NL reports every line
// end outside a field, so that blank lines end where a row would. Spaces and
// tabs around a field are padding, libcsv's default (it never takes the
// delimiter for padding, so a tab delimiter still separates fields).
CsvRowReader::CsvRowReader(char delimiter, std::size_t keptFields) : keptFields_(keptFields) {
  [[maybe_unused]] const int status = csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
  assert(status == 0);  // it fails only for a null parser; the field buffer comes with the first bytes
  csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
}

CsvRowReader::CsvRowReader(std::FILE* input, char delimiter, std::size_t keptFields,
                           std::function<void()> beforeWaiting)
    : CsvRowReader(delimiter, keptFields) {
  input_ = input;
  descriptor_ = ::fileno(input);
  beforeWaiting_ = std::move(beforeWaiting);
  block_.resize(kBlockSize);
  bytes_ = block_.data();
}

// The text is the one block there is: Refill finds no more.
CsvRowReader::CsvRowReader(std::string_view text, char delimiter, std::size_t keptFields)
    : CsvRowReader(delimiter, keptFields) {
  bytes_ = text.data();
  end_ = text.size();
}

CsvRowReader::~CsvRowReader() { csv_free(&parser_); }

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
  row_.fieldCount = 0;
  row_.extraFieldsEmpty = true;
  rowReady_ = false;
  while (!rowReady_) {
    if (position_ == end_ && !Refill()) return Finish();
    ParseLine();
  }
  return &row_;
}

// Reads until the first bytes tell whether a byte-order mark opens the
// input (a pipe may deliver them one at a time).
void CsvRowReader::CheckEncoding() {
  encodingChecked_ = true;
  while (input_ && CouldBeByteOrderMark(std::string_view(block_.data(), end_))) {
    const std::size_t length = Read(block_.data() + end_, block_.size() - end_);
    if (length == 0) break;
    end_ += length;
  }
  const std::string_view start(bytes_, end_);
  if (start.starts_with(kUtf16LeByteOrderMark) || start.starts_with(kUtf16BeByteOrderMark)) {
    Fail(std::string("il file è codificato in UTF-16 ") + (start[0] == '\xFF' ? "LE" : "BE") +
         " (\"testo Unicode\"): salvarlo come CSV in UTF-8 prima di leggerlo");
  }
  byteOrderMark_ = start.starts_with(kUtf8ByteOrderMark);
  if (byteOrderMark_) position_ = kUtf8ByteOrderMark.size();
}

// The position of the first `c` from position_ on, or end_; `cached` keeps
// it while it lies ahead, so that each byte is searched once.
std::size_t CsvRowReader::NextByte(char c, std::size_t& cached) const {
  if (cached < position_ || cached == kUnknown) {
    const void* found = std::memchr(bytes_ + position_, c, end_ - position_);
    cached = found ? static_cast<std::size_t>(static_cast<const char*>(found) - bytes_) : end_;
  }
  return cached;
}

// False at the end of the input.
bool CsvRowReader::Refill() {
  if (finished_ || !input_) return false;
  nextCr_ = nextLf_ = kUnknown;
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

// Hands the parser the bytes up to and including the next line end, LF, CR
// LF or CR (or the rest of the block). Only a line end can end a row, so at
// most one row ends in such a piece, at its end (the LF of a CR LF ends only
// a blank line): the row is served before the parser sees any byte after it,
// and the line it ends on is known.
void CsvRowReader::ParseLine() {
  const char* piece = bytes_ + position_;
  const char* blockEnd = bytes_ + end_;
  const char* lineEnd = bytes_ + std::min(NextByte('\r', nextCr_), NextByte('\n', nextLf_));
  if (lineEnd != blockEnd)
    lineEnd += lineEnd[0] == '\r' && lineEnd + 1 != blockEnd && lineEnd[1] == '\n' ? 2 : 1;
  const std::size_t length = static_cast<std::size_t>(lineEnd - piece);
  position_ += length;
  const std::size_t parsed = csv_parse(&parser_, piece, length, OnField, OnRowEnd, this);
  RethrowCallbackFailure();
  if (parsed < length) FailParse();
  CountLineEnd(piece, length);
  if (rowEnded_) {
    rowEnded_ = false;
    rowLine_ = line_;
  }
}

// A CR ends a line, and so does an LF unless it follows a CR: a piece that
// ends with CR LF counts once, and so does an LF alone after a CR that ended
// the block before. Line ends inside quoted fields count too: an editor shows
// them as lines.
void CsvRowReader::CountLineEnd(const char* piece, std::size_t length) {
  const char last = piece[length - 1];
  if (last == '\r' || (last == '\n' && !(length == 1 && afterCr_))) ++line_;
  afterCr_ = last == '\r';
}

// The end of the input ends an open row, unless a quote is open.
const CsvRow* CsvRowReader::Finish() {
  if (finished_) return nullptr;
  finished_ = true;
  const int status = csv_fini(&parser_, OnField, OnRowEnd, this);
  RethrowCallbackFailure();
  if (status != 0) Fail("un campo aperto con le virgolette non è chiuso prima della fine del file");
  return rowReady_ ? &row_ : nullptr;
}

// libcsv is C: nothing may be thrown through it, so a failure inside a
// callback is kept and raised once csv_parse or csv_fini has returned.
void CsvRowReader::OnField(void* text, std::size_t length, void* self) {
  auto* reader = static_cast<CsvRowReader*>(self);
  try {
    if (!reader->callbackFailure_) reader->AddField(text ? static_cast<const char*>(text) : "", length);
  } catch (...) {
    reader->callbackFailure_ = std::current_exception();
  }
}

void CsvRowReader::OnRowEnd(int, void* self) { static_cast<CsvRowReader*>(self)->EndRow(); }

void CsvRowReader::AddField(const char* text, std::size_t length) {
  const std::size_t index = row_.fieldCount++;
  if (index >= keptFields_) {
    if (length > 0) row_.extraFieldsEmpty = false;
  } else if (index < row_.fields.size()) {
    row_.fields[index].assign(text, length);
  } else {
    row_.fields.emplace_back(text, length);
  }
}

// A line end without fields before it is a blank line (or one of spaces),
// or the LF of a CR LF that has just ended a row.
void CsvRowReader::EndRow() {
  rowEnded_ = true;
  if (row_.fieldCount == 0 || rowReady_) return;
  if (row_.fieldCount < row_.fields.size()) row_.fields.resize(row_.fieldCount);
  row_.line = rowLine_;
  rowReady_ = true;
}

void CsvRowReader::RethrowCallbackFailure() {
  if (callbackFailure_) std::rethrow_exception(callbackFailure_);
}

void CsvRowReader::FailParse() {
  const int error = csv_error(&parser_);
  if (error == CSV_EPARSE) {
    Fail(
        "virgolette fuori posto: un campo che contiene virgolette va scritto tutto tra virgolette, "
        "raddoppiando quelle interne");
  }
  Fail(std::string("lettura del CSV non riuscita: ") + csv_strerror(error));
}

void CsvRowReader::Fail(const std::string& message) const { throw CsvReadError(rowLine_, message); }

}  // namespace cli
