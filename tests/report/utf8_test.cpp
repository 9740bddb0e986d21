// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Reading UTF-8 one character at a time: well-formed characters of every
// length, and each kind of malformed sequence read as U+FFFD without losing
// the text after it.
#include "report/utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace report {
namespace {

std::vector<char32_t> Decode(std::string_view text) {
  std::vector<char32_t> characters;
  for (std::size_t at = 0; at < text.size();) characters.push_back(NextCodePoint(text, &at));
  return characters;
}

struct DecodeRow {
  const char* name;
  std::string_view text;
  std::vector<char32_t> characters;
};

// Names the row in test output.
inline void PrintTo(const DecodeRow& row, std::ostream* os) { *os << row.name; }

class Utf8Decode : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(Utf8Decode, ReadsTheExpectedCharacters) { EXPECT_EQ(Decode(GetParam().text), GetParam().characters); }

constexpr char32_t R = 0xFFFD;

INSTANTIATE_TEST_SUITE_P(Corners, Utf8Decode,
                         ::testing::Values(DecodeRow{"Ascii", "a1,", {U'a', U'1', U','}},
                                           DecodeRow{"TwoBytes", "\xc3\xa8", {0xE8}},
                                           DecodeRow{"ThreeBytes", "\xe2\x82\xac", {0x20AC}},
                                           DecodeRow{"FourBytes", "\xf0\x9f\x98\x80", {0x1F600}},
                                           DecodeRow{"LargestScalar", "\xf4\x8f\xbf\xbf", {0x10FFFF}},
                                           DecodeRow{"BeyondUnicode", "\xf4\x90\x80\x80", {R, R, R, R}},
                                           DecodeRow{"Surrogate", "\xed\xa0\x80", {R, R, R}},
                                           DecodeRow{"OverlongSlash", "\xc0\xaf", {R, R}},
                                           DecodeRow{"OverlongThreeBytes", "\xe0\x80\x80", {R, R, R}},
                                           DecodeRow{"StrayContinuation", "\x80x", {R, U'x'}},
                                           DecodeRow{"InvalidLead", "\xffx", {R, U'x'}},
                                           DecodeRow{"CutShortAtTheEnd", "x\xe2\x82", {U'x', R, R}},
                                           DecodeRow{"CutShortBeforeAscii", "\xe2\x82x", {R, R, U'x'}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Utf8, Utf16LengthCountsCharactersBeyondTheBasicPlaneTwice) {
  EXPECT_EQ(Utf16Length(""), 0u);
  EXPECT_EQ(Utf16Length("a\xc3\xa8\xe2\x82\xac\xf0\x9f\x98\x80"), 5u);
  EXPECT_EQ(Utf16Length("\xff\xfe"), 2u) << "each replacement is one unit";
}

}  // namespace
}  // namespace report
