// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/title.h"

#include <gtest/gtest.h>

namespace {

struct TitleRow {
  const char* name;
  const char* path;
  const char* title;
};

const TitleRow kTitleRows[] = {
    {"upper case cut at the first stop", "CALC.V2.EXE", "Calc"},
    {"lower case first letter kept", "calc.exe", "calc"},
    {"backslash directory dropped", "C:\\PROGRAMMI\\DISCO\\CALC.V2.EXE", "Calc"},
    {"slash directory dropped", "/usr/local/bin/Discordanza", "Discordanza"},
    {"mixed case after the first", "/opt/DisCORDanza", "Discordanza"},
    {"no stop, no directory", "discordanza", "discordanza"},
    {"stop in a directory only", "/home/a.b/PROG", "Prog"},
    {"leading stop leaves nothing", "/tmp/.hidden", ""},
    {"non-ASCII lowered too", "/x/ÉTÉ.EXE", "Été"},
    {"empty path", "", ""},
};

TEST(TitleFromPath, FollowsTheNamingRule) {
  for (const TitleRow& row : kTitleRows) {
    EXPECT_EQ(app::TitleFromPath(QString::fromUtf8(row.path)).toStdString(), row.title) << row.name;
  }
}

TEST(ApplicationTitle, ComesFromTheRunningExecutable) {
  // This test program is discordanza_frame_tests: no stop, all lower case.
  EXPECT_EQ(app::ApplicationTitle().toStdString(), "discordanza_frame_tests");
}

}  // namespace
