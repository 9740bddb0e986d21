#pragma once
// The Italian text that --help prints: both modes, every option, the CSV
// rules (quoting, line ends, empty and failing rows) and the exit codes.

#include <string_view>

namespace cli {

std::string_view HelpText();

}  // namespace cli
