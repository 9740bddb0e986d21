// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "tests/report/rtf_reader.h"

#include <iconv.h>

#include <array>
#include <cctype>
#include <stdexcept>
#include <utility>

#include "report/windows1252.h"

namespace report::testing {

namespace {

char16_t FromWindows1252(unsigned char byte) {
  static const std::array<char16_t, 256> kTable = [] {
    std::array<char16_t, 256> table;
    table.fill(u'\xFFFD');
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
      if (const auto b = ToWindows1252(unit)) table[*b] = static_cast<char16_t>(unit);
    }
    return table;
  }();
  return kTable[byte];
}

enum class Destination { Body, FontTable, ColourTable };

struct State {
  Destination destination = Destination::Body;
  ReadFormat format;
};

class Reader {
 public:
  Reader(std::string_view rtf, ReadFormats formats, ReadDocument& document)
      : rtf_(rtf), keepFormats_(formats == ReadFormats::Kept), doc_(document) {
    doc_.fonts.clear();
    doc_.colours.clear();
    doc_.unknown.clear();
    doc_.groupDepthAtEnd = 0;
    StartParagraph();
  }

  void Read() {
    std::vector<State> stack{State{}};
    stack.reserve(8);
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_++];
      if (c == '{') {
        stack.push_back(stack.back());
        ++doc_.groupDepthAtEnd;
      } else if (c == '}') {
        if (stack.size() > 1) stack.pop_back();
        --doc_.groupDepthAtEnd;
      } else if (c == '\\') {
        Control(stack.back());
      } else if (c == '\r' || c == '\n') {
        continue;
      } else {
        Character(stack.back(), static_cast<unsigned char>(c));
      }
    }
    doc_.trailing.assign(Current().text);  // the text after the last \par
    doc_.paragraphs.resize(paragraphs_);
  }

 private:
  void Control(State& state) {
    // A backslash that ends the input starts a control word without letters,
    // which the reader does not know.
    const char c = pos_ < rtf_.size() ? rtf_[pos_] : ' ';
    if (c == '\\' || c == '{' || c == '}') {
      ++pos_;
      Character(state, c);
    } else if (c == '\'') {
      const int byte = std::stoi(std::string(rtf_.substr(pos_ + 1, 2)), nullptr, 16);
      pos_ += 3;
      Unit(state, FromWindows1252(static_cast<unsigned char>(byte)));
    } else {
      Word(state);
    }
  }

  void Word(State& state) {
    const std::size_t start = pos_;
    while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
    const std::string_view word = rtf_.substr(start, pos_ - start);
    std::string digits;
    if (pos_ < rtf_.size() && rtf_[pos_] == '-') digits += rtf_[pos_++];
    while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) digits += rtf_[pos_++];
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
    const bool hasParam = !digits.empty();
    const int param = hasParam ? std::stoi(digits) : 0;
    Apply(state, word, hasParam, param);
  }

  void Apply(State& state, std::string_view word, bool hasParam, int param) {
    ReadFormat& f = state.format;
    if (word == "fonttbl") {
      state.destination = Destination::FontTable;
    } else if (word == "colortbl") {
      state.destination = Destination::ColourTable;
      colour_.reset();
    } else if (word == "f") {
      if (state.destination == Destination::FontTable) {
        while (doc_.fonts.size() <= static_cast<std::size_t>(param)) doc_.fonts.emplace_back();
        font_ = param;
      } else {
        f.font = param;
      }
    } else if (word == "red" || word == "green" || word == "blue") {
      Rgb colour = colour_.value_or(Rgb{});
      (word == "red"     ? colour.red
       : word == "green" ? colour.green
                         : colour.blue) = static_cast<std::uint8_t>(param);
      colour_ = colour;
    } else if (word == "plain") {
      f = ReadFormat{};
    } else if (word == "fs") {
      f.halfPoints = param;
    } else if (word == "cf") {
      f.colour = param;
    } else if (word == "b") {
      f.bold = !hasParam || param != 0;
    } else if (word == "i") {
      f.italic = !hasParam || param != 0;
    } else if (word == "ul") {
      f.underline = !hasParam || param != 0;
    } else if (word == "strike") {
      f.strikeOut = !hasParam || param != 0;
    } else if (word == "tab") {
      Unit(state, u'\t');
    } else if (word == "par") {
      if (keepFormats_) Current().formats.push_back(f);
      ++paragraphs_;
      StartParagraph();
    } else if (word == "u") {
      Unit(state, static_cast<char16_t>(param & 0xFFFF));
      skip_ = uc_;
    } else if (word == "uc") {
      uc_ = param;
    } else if (word != "rtf" && word != "ansi" && word != "ansicpg" && word != "deff" && word != "pard" &&
               word != "fnil" && word != "fcharset") {
      doc_.unknown.emplace_back(word);
    }
  }

  void Character(State& state, char c) {
    if (state.destination == Destination::FontTable) {
      if (c == ';') return;
      doc_.fonts[font_] += c;
    } else if (state.destination == Destination::ColourTable) {
      if (c == ';') {
        doc_.colours.push_back(colour_);
        colour_.reset();
      }
    } else {
      Unit(state, static_cast<unsigned char>(c));
    }
  }

  void Unit(State& state, char16_t unit) {
    if (skip_ > 0) {
      --skip_;
      return;
    }
    if (state.destination != Destination::Body) return;
    Current().text += unit;
    if (keepFormats_) Current().formats.push_back(state.format);
  }

  // The paragraph being read is the document's next one, emptied: a document
  // read before lends it the memory of its own.
  void StartParagraph() {
    if (doc_.paragraphs.size() == paragraphs_) doc_.paragraphs.emplace_back();
    Current().text.clear();
    Current().formats.clear();
  }

  ReadParagraph& Current() { return doc_.paragraphs[paragraphs_]; }

  std::string_view rtf_;
  bool keepFormats_;
  std::size_t pos_ = 0;
  ReadDocument& doc_;
  std::size_t paragraphs_ = 0;  // paragraphs ended by \par so far
  int font_ = 0;
  std::optional<Rgb> colour_;
  int uc_ = 1;
  int skip_ = 0;
};

}  // namespace

void ReadRtf(std::string_view rtf, ReadFormats formats, ReadDocument& document) {
  Reader(rtf, formats, document).Read();
}

ReadDocument ReadRtf(std::string_view rtf, ReadFormats formats) {
  ReadDocument document;
  ReadRtf(rtf, formats, document);
  return document;
}

std::u16string ReadRtfText(std::string_view rtf) { return ReadRtf(rtf).trailing; }

namespace {

// `in` converted by iconv from the encoding `from` to `to`; nothing where
// iconv finds a sequence invalid or cut short.
std::optional<std::string> Iconv(const char* to, const char* from, std::string in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error(std::string("iconv has no ") + from + " to " + to);
  }
  std::string out(in.size() * 4 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1)) return std::nullopt;
  out.resize(outPtr - out.data());
  return out;
}

}  // namespace

std::u16string Utf16(std::string_view utf8) {
  const std::optional<std::string> bytes = Iconv("UTF-16LE", "UTF-8", std::string(utf8));
  if (!bytes) throw std::runtime_error("not UTF-8: " + std::string(utf8));
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes->size(); i += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>((*bytes)[i]) |
                                   static_cast<unsigned char>((*bytes)[i + 1]) << 8);
  }
  return units;
}

std::string Utf8(std::u16string_view utf16) {
  std::string bytes;
  for (const char16_t unit : utf16) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  std::optional<std::string> text = Iconv("UTF-8", "UTF-16LE", std::move(bytes));
  if (!text) throw std::runtime_error("a lone surrogate, which UTF-8 cannot hold");
  return std::move(*text);
}

std::string ParagraphLines(std::string_view rtf) {
  const ReadDocument document = ReadRtf(rtf, ReadFormats::Dropped);
  if (document.groupDepthAtEnd != 0) {
    throw std::runtime_error("the groups do not close: depth " + std::to_string(document.groupDepthAtEnd) +
                             " at the end");
  }
  if (!document.unknown.empty()) {
    throw std::runtime_error("a control word the reader does not know: \\" + document.unknown.front());
  }
  if (!document.trailing.empty()) throw std::runtime_error("text after the last \\par");
  std::string lines;
  for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
    const std::u16string& text = document.paragraphs[i].text;
    const std::string where = "paragraph " + std::to_string(i + 1);
    // A line break inside a paragraph would read as two paragraphs.
    if (text.find_first_of(u"\r\n") != std::u16string::npos)
      throw std::runtime_error(where + " holds a line break");
    try {
      lines += Utf8(text);
    } catch (const std::runtime_error& error) {
      throw std::runtime_error(where + ": " + error.what());
    }
    lines += '\n';
  }
  return lines;
}

}  // namespace report::testing
