// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// RtfSink: the building blocks of an RTF byte stream (open a group, close a
// group, a control word, text) gathered into bytes that the caller takes away
// piece by piece. All text goes through Text(), the one escaping function, so
// that whatever the characters, the bytes are plain 7-bit RTF that reads back
// as the same characters; the sink places the space that ends a control word
// only where literal text follows it.

#include <string>
#include <string_view>

namespace report {

class RtfSink {
 public:
  void OpenGroup();
  void CloseGroup();
  void ControlWord(std::string_view word);
  void ControlWord(std::string_view word, int parameter);

  // Writes UTF-8 text: backslash and braces escaped, a tab as \tab, printable
  // ASCII as itself, any other character that Windows-1252 holds as \'hh,
  // and every other character as \uN? (N a signed 16-bit UTF-16 code unit,
  // "?" the one fallback character that \uc1 announces): a character beyond
  // the Basic Multilingual Plane is written as its two surrogates. A
  // malformed UTF-8 sequence is written as U+FFFD.
  void Text(std::string_view text);

  // An RTF line break between tokens; readers ignore it.
  void NewLine();

  // The bytes written since the last ClearBytes().
  std::string_view Bytes() const { return bytes_; }

  // Forgets the bytes written so far; their memory serves the next ones.
  void ClearBytes() { bytes_.clear(); }

 private:
  void Token(std::string_view token);
  void Literal(char c);
  void Unicode(char16_t unit);

  std::string bytes_;
  bool wordOpen_ = false;  // the last token was a control word
};

}  // namespace report
