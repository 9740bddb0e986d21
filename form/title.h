// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The application title, the caption of every error box: derived from the
// name of the program's file (the window program's executable, the page's
// HTML file), so that a renamed copy names itself after its file.
//   "C:\\BIN\\CALC.V2.EXE"      → "Calc"
//   "/usr/bin/calc.exe"         → "calc"
//   "/opt/DisCORDanza"          → "Discordanza"
//   "/x/ÉTÉ.EXE"                → "Été"
//   "/tmp/.hidden"              → ""

#include <string>
#include <string_view>

namespace form {

// The UTF-8 name after the last "/" and after the last "\", cut at its first
// ".", every character after the first in lower case (Unicode's simple
// lower-case mapping); the first keeps its case. A malformed UTF-8 byte is
// kept as it is.
std::string TitleFromPath(std::string_view path);

}  // namespace form
