// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/csv_writer.h"

#include <algorithm>
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

  // Whether a non-empty field holds one of them, eight bytes at a time:
  // rows are mostly such tests.
  bool In(std::string_view field) const {
    const std::size_t size = field.size();
    if (size < sizeof(std::uint64_t)) {
      // The bytes in a word padded with copies of the first, which changes
      // nothing that the test finds.
      std::uint64_t word = Spread(field.front());
      std::memcpy(&word, field.data(), size);
      return In(word);
    }
    bool found = false;
    for (std::size_t at = 0; at + sizeof(std::uint64_t) < size; at += sizeof(std::uint64_t)) {
      found |= In(WordAt(field.data() + at));
    }
    // The last eight bytes, which may overlap the words already tested.
    return found | In(WordAt(field.data() + size - sizeof(std::uint64_t)));
  }

 private:
  static std::uint64_t ZeroBytes(std::uint64_t word) { return (word - kEachByte) & ~word; }
  static std::uint64_t WordAt(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
  }

  std::uint64_t delimiter_;
};

// Whether `field` would not read back as itself without quotes: it holds the
// delimiter, a quote or a line end, or begins or ends with a space or a tab,
// which are padding outside quotes.
bool NeedsQuotes(std::string_view field, const SpecialBytes& special) {
  if (field.empty()) return false;
  if (IsPadding(field.front()) || IsPadding(field.back())) return true;
  return special.In(field);
}

void AppendField(std::string& out, std::string_view field, const SpecialBytes& special) {
  if (!NeedsQuotes(field, special)) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

void AppendCsvRow(std::string& out, std::span<const std::string_view> fields, char delimiter) {
  const SpecialBytes special(delimiter);
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) out += delimiter;
    first = false;
    AppendField(out, field, special);
  }
  out += '\n';
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
