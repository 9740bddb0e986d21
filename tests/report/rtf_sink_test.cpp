// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The escaping of text and the delimiting of control words, as a table of
// named corners, and a seeded round trip through the test reader.
#include "report/rtf_sink.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

#include "report/utf8.h"
#include "tests/report/rtf_reader.h"

namespace report {
namespace {

std::string Escaped(std::string_view text) {
  RtfSink sink;
  sink.Text(text);
  return std::string(sink.Bytes());
}

struct EscapeRow {
  const char* name;
  std::string text;
  std::string rtf;
};

// Names the row in test output.
inline void PrintTo(const EscapeRow& row, std::ostream* os) { *os << row.name; }

class RtfSinkEscape : public ::testing::TestWithParam<EscapeRow> {};

TEST_P(RtfSinkEscape, WritesTheExpectedBytes) { EXPECT_EQ(Escaped(GetParam().text), GetParam().rtf); }

INSTANTIATE_TEST_SUITE_P(
    Corners, RtfSinkEscape,
    ::testing::Values(
        EscapeRow{"PlainAscii", "Importo a base d'asta: 12,5 %", "Importo a base d'asta: 12,5 %"},
        EscapeRow{"Backslash", "a\\b", "a\\\\b"}, EscapeRow{"Braces", "{x}", "\\{x\\}"},
        EscapeRow{"TabBeforeDigitsTakesADelimiter", "\t\t1", "\\tab\\tab 1"},
        EscapeRow{"TabBeforeSpace", "\t ", "\\tab  "}, EscapeRow{"TabBeforeBackslash", "\t\\", "\\tab\\\\"},
        EscapeRow{"EGrave", "\u00e8", "\\'e8"}, EscapeRow{"EuroIsInTheCodePage", "\u20ac", "\\'80"},
        EscapeRow{"HexBeforeDigits", "\u00e81", "\\'e81"}, EscapeRow{"Delete", "\u007f", "\\'7f"},
        EscapeRow{"ControlCharacter", "\u0001", "\\'01"},
        EscapeRow{"UnassignedByteOfTheCodePage", "\u0081", "\\u129?"},
        EscapeRow{"Cjk", "\u6570\u5b57", "\\u25968?\\u23383?"},
        EscapeRow{"NegativeSixteenBitValue", "\uff05", "\\u-251?"},
        EscapeRow{"EmojiAsTwoSurrogates", "\U0001F600", "\\u-10179?\\u-8704?"},
        EscapeRow{"UnicodeBeforeDigits",
                  "\u6570"
                  "7",
                  "\\u25968?7"},
        EscapeRow{"MalformedUtf8AsReplacement", "a\xff\xc3", "a\\u-3?\\u-3?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfSink, ControlWordsAndGroups) {
  RtfSink sink;
  sink.OpenGroup();
  sink.ControlWord("rtf", 1);
  sink.ControlWord("b");
  sink.Text("x");
  sink.ControlWord("b", 0);
  sink.NewLine();
  sink.CloseGroup();
  EXPECT_EQ(sink.Bytes(), "{\\rtf1\\b x\\b0\r\n}");
  sink.ClearBytes();
  EXPECT_EQ(sink.Bytes(), "");
}

// UTF-8 of one code point.
std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// Any text, escaped, is 7-bit and reads back as itself.
TEST(RtfSink, RandomTextRoundTrips) {
  std::mt19937 random(20261208);
  const std::vector<std::pair<char32_t, char32_t>> ranges = {
      {0x01, 0x7F}, {0x80, 0xFF}, {0x100, 0x2FFF}, {0x4E00, 0x9FFF}, {0xE000, 0xFFFF}};
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < length; ++i) {
      if (std::uniform_int_distribution<int>(0, 9)(random) == 0) {
        const char32_t astral = std::uniform_int_distribution<char32_t>(0x10000, 0x10FFFF)(random);
        text += Utf8(astral);
        continue;
      }
      const auto& range = ranges[std::uniform_int_distribution<std::size_t>(0, ranges.size() - 1)(random)];
      text += Utf8(std::uniform_int_distribution<char32_t>(range.first, range.second)(random));
    }
    const std::string rtf = Escaped(text);
    for (const char byte : rtf) {
      ASSERT_LT(static_cast<unsigned char>(byte), 0x80) << "round " << round;
    }
    ASSERT_EQ(testing::ReadRtfText(rtf), testing::Utf16(text)) << "round " << round << ": " << rtf;
  }
}

}  // namespace
}  // namespace report
