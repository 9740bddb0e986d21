// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// ReportBuffer: the rich-text buffer in which the report is
// built before it is written. It holds lines of UTF-8 text, each line with its
// character format, which its line end shares; a default face and size apply
// to all text, while colour and style are taken by each line from the
// insertion format at the moment it is appended. The buffer knows nothing of
// any file format. Its capacity is fixed: a line it cannot take whole raises
// "RichEdit line insertion error", so the report is either whole or refused.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace report {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The style part of the insertion format; every member is always set.
struct TextStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const TextStyle&) const = default;
};

struct CharacterFormat {
  std::optional<Rgb> colour;  // none: the automatic colour (the reader's window text)
  TextStyle style;
  bool operator==(const CharacterFormat&) const = default;
};

struct ReportLine {
  std::string text;  // UTF-8, without its line end
  CharacterFormat format;
};

class ReportBuffer {
 public:
  // Far beyond any report a person types (the report needs a few hundred
  // characters plus the six field texts), so the limit only guards against
  // runaway input.
  static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 26;

  // capacity: the most characters the buffer holds, counted as Length() counts.
  explicit ReportBuffer(std::size_t capacity = kDefaultCapacity);

  // The default format, used by all text: changed at once, text included.
  void SetDefaultFace(std::string face);
  void SetDefaultSize(int points);

  // Removes all lines; the default and insertion formats stay.
  void Clear();

  // The format that the next appended line takes.
  void SetInsertionColour(std::optional<Rgb> colour);
  void SetInsertionStyle(TextStyle style);

  // Adds text and its line end after the last line, in the insertion format.
  // Raises ExportError::LineInsertion(), and takes nothing, when the line
  // does not fit the capacity or when the text holds a CR or LF: those would
  // start a line of their own, and the report keeps its fourteen lines.
  void AppendLine(std::string_view text);

  // Characters held: UTF-16 code units, each line end counted as two (CR LF).
  std::size_t Length() const { return length_; }

  const std::string& DefaultFace() const { return face_; }
  int DefaultSize() const { return points_; }
  const std::vector<ReportLine>& Lines() const { return lines_; }

 private:
  std::size_t capacity_;
  std::size_t length_ = 0;
  std::string face_;
  int points_ = 0;
  CharacterFormat insertion_;
  std::vector<ReportLine> lines_;
};

}  // namespace report
