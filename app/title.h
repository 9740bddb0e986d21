// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The application title: the caption of every error box, derived once from
// the running program file's name. The windows' own captions are their own;
// nothing here touches QGuiApplication::applicationDisplayName.

#include <QString>

namespace app {

// The name after the last "/" (and after the last "\"), cut at its first
// ".", every character after the first in lower case; the first keeps its
// case. "C:\\BIN\\CALC.V2.EXE" gives "Calc", "/usr/bin/calc.exe" gives "calc".
QString TitleFromPath(const QString& path);

// TitleFromPath of the running executable. Needs the application object.
QString ApplicationTitle();

}  // namespace app
