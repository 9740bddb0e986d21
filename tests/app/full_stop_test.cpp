// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/full_stop.h"

#include <gtest/gtest.h>

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
    {"quote", "'x' is not a valid floating point value", "'x' is not a valid floating point value."},
    {"empty stays empty", "", ""},
};

TEST(WithFullStop, AppendsAStopAboveTheFullStopCode) {
  for (const FullStopRow& row : kFullStopRows) {
    EXPECT_EQ(app::WithFullStop(QString::fromUtf8(row.message)).toStdString(), row.shown) << row.name;
  }
}

// Every single-character message: the stop is appended exactly when the
// character's code is above 0x2E.
TEST(WithFullStop, SingleCharacterBoundary) {
  for (char16_t code = 1; code < 0x180; ++code) {
    const QString message(QChar{code});
    const bool stopped = app::WithFullStop(message).size() == 2;
    EXPECT_EQ(stopped, code > 0x2E) << int(code);
  }
}

}  // namespace
