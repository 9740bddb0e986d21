// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The code page table against the C library's own converter, over every
// UTF-16 code unit.
#include "report/windows1252.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

namespace report {
namespace {

// cd: a converter from UTF-16LE to CP1252.
std::optional<unsigned char> IconvWindows1252(iconv_t cd, char16_t unit) {
  char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  char out[4] = {};
  char* inPtr = in;
  char* outPtr = out;
  size_t inLeft = sizeof in;
  size_t outLeft = sizeof out;
  const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // reset after an error
  if (result == static_cast<size_t>(-1) || outPtr - out != 1) {
    return std::nullopt;
  }
  return static_cast<unsigned char>(out[0]);
}

TEST(Windows1252, AgreesWithIconvOnEveryCodeUnit) {
  iconv_t cd = iconv_open("CP1252", "UTF-16LE");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1)) << "iconv has no CP1252";
  int mismatches = 0;
  for (char32_t unit = 0; unit <= 0xFFFF && mismatches < 5; ++unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) {
      EXPECT_FALSE(ToWindows1252(unit)) << "surrogate " << std::hex << static_cast<unsigned>(unit);
      continue;
    }
    const auto expected = IconvWindows1252(cd, static_cast<char16_t>(unit));
    const auto actual = ToWindows1252(unit);
    if (expected != actual) {
      ++mismatches;
      ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(unit);
    }
  }
  iconv_close(cd);
}

}  // namespace
}  // namespace report
