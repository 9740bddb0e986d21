// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/rtf_sink.h"

#include <cstdint>

#include "report/utf8.h"
#include "report/windows1252.h"

namespace report {

void RtfSink::OpenGroup() { Token("{"); }

void RtfSink::CloseGroup() { Token("}"); }

void RtfSink::ControlWord(std::string_view word) {
  Token("\\");
  bytes_.append(word);
  wordOpen_ = true;
}

void RtfSink::ControlWord(std::string_view word, int parameter) {
  ControlWord(word);
  bytes_.append(std::to_string(parameter));
}

void RtfSink::Text(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (std::size_t at = 0; at < text.size();) {
    const char32_t character = NextCodePoint(text, &at);
    if (character == U'\\' || character == U'{' || character == U'}') {
      Token("\\");
      bytes_.push_back(static_cast<char>(character));
    } else if (character == U'\t') {
      ControlWord("tab");
    } else if (character >= 0x20 && character < 0x7F) {
      Literal(static_cast<char>(character));
    } else if (const auto byte = ToWindows1252(character)) {
      Token("\\'");
      bytes_.push_back(kHex[*byte >> 4]);
      bytes_.push_back(kHex[*byte & 0xF]);
    } else if (character > 0xFFFF) {
      const char32_t offset = character - 0x10000;
      Unicode(static_cast<char16_t>(0xD800 + (offset >> 10)));
      Unicode(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    } else {
      Unicode(static_cast<char16_t>(character));
    }
  }
}

void RtfSink::NewLine() { Token("\r\n"); }

void RtfSink::Token(std::string_view token) {
  bytes_.append(token);
  wordOpen_ = false;
}

void RtfSink::Literal(char c) {
  // A control word swallows the letters and digits that follow it; the space
  // that ends it is swallowed in turn, so it is written only here.
  if (wordOpen_) bytes_.push_back(' ');
  bytes_.push_back(c);
  wordOpen_ = false;
}

void RtfSink::Unicode(char16_t unit) {
  ControlWord("u", static_cast<std::int16_t>(unit));
  Token("?");
}

}  // namespace report
