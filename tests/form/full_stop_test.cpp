// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "form/full_stop.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FullStopRow {
  const char* name;
  const char* message;
  const char* shown;
};

const FullStopRow kFullStopRows[] = {
    {"letter", "Floating point division by zero", "Floating point division by zero."},
    {"stop already", "Done.", "Done."},
    {"closing parenthesis", "Errore (1)", "Errore (1)"},
    {"exclamation mark", "Attenzione!", "Attenzione!"},
    {"hyphen", "a -", "a -"},
    {"space", "trailing ", "trailing "},
    {"slash is above the stop", "a/", "a/."},
    {"digit", "code 42", "code 42."},
    {"colon", "Motivo:", "Motivo:."},
    {"accented letter", "perché è", "perché è."},
    {"character beyond the BMP", "x \U0001F600", "x \U0001F600."},
    {"quote", "'x' is not a valid floating point value", "'x' is not a valid floating point value."},
    {"empty stays empty", "", ""},
};

TEST(WithFullStop, AppendsAStopAboveTheFullStopCode) {
  for (const FullStopRow& row : kFullStopRows) {
    EXPECT_EQ(form::WithFullStop(row.message), row.shown) << row.name;
  }
}

// Every single-byte message: the stop is appended exactly when the byte is
// above 0x2E (a byte from 0x80 up ends every non-ASCII character).
TEST(WithFullStop, SingleByteBoundary) {
  for (int code = 1; code < 0x100; ++code) {
    const std::string message(1, static_cast<char>(code));
    const bool stopped = form::WithFullStop(message).size() == 2;
    EXPECT_EQ(stopped, code > 0x2E) << code;
  }
}

}  // namespace
