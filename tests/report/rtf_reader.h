// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// RtfReader: a small reader of the RTF subset that the report writer uses, so
// that tests can check what a word processor would see: the font and colour
// tables, and every paragraph's characters (UTF-16 code units, as RTF's \u
// counts them) with the format each one carries (the paragraph mark's format
// last). It knows the code page only through the windows-1252 table, which
// its own test checks against iconv.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_buffer.h"

namespace report::testing {

struct ReadFormat {
  int font = 0;
  int halfPoints = 24;
  int colour = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const ReadFormat&) const = default;
};

struct ReadParagraph {
  std::u16string text;
  std::vector<ReadFormat> formats;  // one per code unit of text, then the \par's
};

struct ReadDocument {
  std::vector<std::string> fonts;           // by \fN index
  std::vector<std::optional<Rgb>> colours;  // by \cfN index; nothing: automatic
  std::vector<ReadParagraph> paragraphs;
  std::u16string trailing;           // text after the last \par
  std::vector<std::string> unknown;  // control words the reader does not know
  int groupDepthAtEnd = 0;
};

// Whether ReadRtf records each code unit's format, or only the text (for
// checks of the text alone, such as the fuzzer's, at a fraction of the cost).
enum class ReadFormats { Kept, Dropped };

// With ReadFormats::Dropped every paragraph's formats stay empty.
ReadDocument ReadRtf(std::string_view rtf, ReadFormats formats = ReadFormats::Kept);

// The same into `document`, whatever it held: the memory of a document read
// before serves again, for checks that read one document after another.
void ReadRtf(std::string_view rtf, ReadFormats formats, ReadDocument& document);

// Only the text of a stream of escaped characters (no groups, no \par).
std::u16string ReadRtfText(std::string_view rtf);

// Every paragraph's text as UTF-8 followed by a line feed, for checks that
// compare texts outside C++ (tests/report/rtf_text.cpp). Throws
// std::runtime_error, saying why, where the lines would not be the whole
// document's text, line for line: groups that do not close, a control word
// the reader does not know, text after the last \par, or a paragraph
// holding a line break or a lone surrogate.
std::string ParagraphLines(std::string_view rtf);

// UTF-8 as UTF-16, converted by the C library (iconv), independently of the
// report's own decoder.
std::u16string Utf16(std::string_view utf8);

// UTF-16 as UTF-8, by iconv too; throws std::runtime_error on a lone surrogate.
std::string Utf8(std::u16string_view utf16);

}  // namespace report::testing
