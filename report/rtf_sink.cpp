#include "report/rtf_sink.h"

#include <cstdint>
#include <string>
#include <utility>

#include "report/windows1252.h"

namespace report {

void RtfSink::OpenGroup() {
  Token("{");
}

void RtfSink::CloseGroup() {
  Token("}");
}

void RtfSink::ControlWord(std::string_view word) {
  Token("\\");
  bytes_.append(word.data(), static_cast<qsizetype>(word.size()));
  wordOpen_ = true;
}

void RtfSink::ControlWord(std::string_view word, int parameter) {
  ControlWord(word);
  bytes_.append(std::to_string(parameter));
}

void RtfSink::Text(QStringView text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (const QChar ch : text) {
    const char16_t unit = ch.unicode();
    if (unit == u'\\' || unit == u'{' || unit == u'}') {
      Token("\\");
      bytes_.append(static_cast<char>(unit));
    } else if (unit == u'\t') {
      ControlWord("tab");
    } else if (unit >= 0x20 && unit < 0x7F) {
      Literal(static_cast<char>(unit));
    } else if (const auto byte = ToWindows1252(unit)) {
      Token("\\'");
      bytes_.append(kHex[*byte >> 4]);
      bytes_.append(kHex[*byte & 0xF]);
    } else {
      Unicode(unit);
    }
  }
}

void RtfSink::NewLine() {
  Token("\r\n");
}

QByteArray RtfSink::TakeBytes() {
  return std::exchange(bytes_, QByteArray());
}

void RtfSink::Token(std::string_view token) {
  bytes_.append(token.data(), static_cast<qsizetype>(token.size()));
  wordOpen_ = false;
}

void RtfSink::Literal(char c) {
  // A control word swallows the letters and digits that follow it; the space
  // that ends it is swallowed in turn, so it is written only here.
  if (wordOpen_) {
    bytes_.append(' ');
  }
  bytes_.append(c);
  wordOpen_ = false;
}

void RtfSink::Unicode(char16_t unit) {
  ControlWord("u", static_cast<std::int16_t>(unit));
  Token("?");
}

}  // namespace report
