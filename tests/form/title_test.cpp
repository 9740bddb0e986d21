// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "form/title.h"

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
    {"page file", "/srv/intranet/DISCORDANZA.html", "Discordanza"},
    {"leading stop leaves nothing", "/tmp/.hidden", ""},
    {"folder alone leaves nothing", "/srv/intranet/", ""},
    {"non-ASCII lowered too", "/x/ÉTÉ.EXE", "Été"},
    {"non-ASCII first letter keeps its case", "/x/ÉTUDE", "Étude"},
    {"Greek and Cyrillic", "/x/ΑΒΓ-ЖЗИ", "Αβγ-жзи"},
    {"lower case stays", "/x/été", "été"},
    {"malformed byte kept",
     "/x/A\xFF"
     "B",
     "A\xFF"
     "b"},
    {"empty path", "", ""},
};

TEST(TitleFromPath, FollowsTheNamingRule) {
  for (const TitleRow& row : kTitleRows) {
    EXPECT_EQ(form::TitleFromPath(row.path), row.title) << row.name;
  }
}

}  // namespace
