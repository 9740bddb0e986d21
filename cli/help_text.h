// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The Italian texts that --help and --version print: the help tells both
// modes, every option, the CSV rules (quoting, line ends, empty and failing
// rows) and the exit codes; the version line names the program and the
// project's version.

#include <string_view>

namespace cli {

std::string_view HelpText();
std::string_view VersionText();

}  // namespace cli
