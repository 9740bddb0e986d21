// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/csv_writer.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace cli {
namespace {

constexpr std::size_t kFlushThreshold = 64 * 1024;

bool IsPadding(char c) { return c == ' ' || c == '\t'; }

constexpr std::uint64_t kEachByte = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

constexpr std::uint64_t Spread(char byte) { return kEachByte * static_cast<unsigned char>(byte); }

// The classic test for a zero byte: (word − 0x01…01) & ~word has a high bit
// set in some byte if and only if some byte of the word is zero. Here on
// the word with each byte that quoting cares about cleared, so that a high
// bit means one of them is in the word.
class SpecialBytes {
 public:
  explicit SpecialBytes(char delimiter) : delimiter_(Spread(delimiter)) {}

  bool In(std::uint64_t word) const {
    return ((ZeroBytes(word ^ delimiter_) | ZeroBytes(word ^ Spread('"')) | ZeroBytes(word ^ Spread('\r')) |
             ZeroBytes(word ^ Spread('\n'))) &
            kHighBits) != 0;
  }

 private:
  static std::uint64_t ZeroBytes(std::uint64_t word) { return (word - kEachByte) & ~word; }

  std::uint64_t delimiter_;
};

std::uint64_t LoadWord(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

void StoreWord(char* bytes, std::uint64_t word) { std::memcpy(bytes, &word, sizeof word); }

// Copies a non-empty `field` to `to` unless it holds the delimiter, a quote
// or a line end, and says whether it did. It goes eight bytes at a time, a
// whole word stored as it is tested: up to seven bytes past the field's end
// in `to` are overwritten. Rows are mostly such copies.
bool CopyUnlessSpecial(std::string_view field, const SpecialBytes& special, char* to) {
  const std::size_t size = field.size();
  if (size < sizeof(std::uint64_t)) {
    // The bytes in a word padded with copies of the first, which changes
    // nothing that the test finds.
    std::uint64_t word = Spread(field.front());
    std::memcpy(&word, field.data(), size);
    StoreWord(to, word);
    return !special.In(word);
  }
  bool found = false;
  for (std::size_t at = 0; at + sizeof(std::uint64_t) < size; at += sizeof(std::uint64_t)) {
    const std::uint64_t word = LoadWord(field.data() + at);
    found |= special.In(word);
    StoreWord(to + at, word);
  }
  // The last eight bytes, which may overlap the word before.
  const std::size_t last = size - sizeof(std::uint64_t);
  const std::uint64_t word = LoadWord(field.data() + last);
  StoreWord(to + last, word);
  return !(found | special.In(word));
}

void AppendQuoted(std::string& out, std::string_view field) {
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

// The row is laid out in place in a string grown once to its unquoted
// length; a field that needs quotes, which few do, grows it again.
void AppendCsvRow(std::string& out, std::span<const std::string_view> fields, char delimiter) {
  const SpecialBytes special(delimiter);
  std::size_t rest = 1;  // the unquoted length of what is still to write: the line end,
  for (std::string_view field : fields) rest += field.size() + 1;  // each field and a delimiter
  std::size_t at = out.size();
  out.resize(at + rest + sizeof(std::uint64_t));  // and room for a word's overreach
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string_view field = fields[i];
    if (i > 0) out[at++] = delimiter;
    rest -= field.size() + 1;
    // Padding, a space or a tab at either end, would be dropped unquoted.
    if (field.empty() || (!IsPadding(field.front()) && !IsPadding(field.back()) &&
                          CopyUnlessSpecial(field, special, &out[at]))) {
      at += field.size();
      continue;
    }
    out.resize(at);
    AppendQuoted(out, field);
    at = out.size();
    out.resize(at + rest + sizeof(std::uint64_t));
  }
  out[at++] = '\n';
  out.resize(at);
}

CsvWriter::CsvWriter(std::FILE* output, char delimiter) : output_(output), delimiter_(delimiter) {
  buffer_.reserve(kFlushThreshold * 2);
}

bool CsvWriter::WriteRow(std::span<const std::string_view> fields) {
  if (failed_) return false;
  AppendCsvRow(buffer_, fields, delimiter_);
  return buffer_.size() < kFlushThreshold || Drain();
}

bool CsvWriter::WriteText(std::string_view text) {
  if (failed_) return false;
  buffer_ += text;
  return buffer_.size() < kFlushThreshold || Drain();
}

bool CsvWriter::Flush() {
  if (!Drain()) return false;
  if (std::fflush(output_) != 0) Fail();
  return !failed_;
}

bool CsvWriter::Drain() {
  if (failed_) return false;
  if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), output_) != buffer_.size()) {
    Fail();
    return false;
  }
  buffer_.clear();
  return true;
}

void CsvWriter::Fail() {
  failed_ = true;
  failure_ = errno;
}

}  // namespace cli
