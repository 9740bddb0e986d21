// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The companion's command line, parsed into what to do. Options and operands
// come in any order, GNU style ("--" ends the options, "-" is an operand).
// Parsing never reads a file or the locale: it only checks the shape of the
// arguments, so every mistake of the user is reported as a UsageError, naming
// what the user gave, before any work starts.

#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

enum class Mode {
  Help,     // -h, --help: print the help text
  Version,  // --version: print the program's name and version
  Direct,   // three amounts on the command line
  Csv,      // --csv [FILE]: a file of rows
};

// --award: the award check instead of the discrepancy, with the amounts not
// subject to the discount and the tender's rules; the same for every CSV row.
struct AwardOptions {
  std::string safetyCosts;      // --safety-costs; empty reads as 0
  std::string labourCosts;      // --labour-costs; empty reads as 0
  int discountDecimals = 3;     // --decimals, 0 to 9
  bool belowThreshold = false;  // --below-threshold: the 5 % guarantee
};

struct Arguments {
  Mode mode = Mode::Direct;
  std::array<std::string, 3> amounts;  // Direct: base amount, discount, contractor's total
  std::optional<std::string> rtfFile;  // Direct: where the report goes; "-" is standard output
  std::optional<std::string> csvFile;  // Csv: standard input when absent
  char delimiter = ';';                // Csv: between fields, in and out
  bool header = false;                 // Csv: the first row holds titles
  bool strict = false;                 // Csv: a failed row, or one with an empty amount, fails the run
  std::optional<char> separator;       // decimal separator; the locale's when absent
  std::optional<AwardOptions> award;   // --award, in either mode
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `arguments` excludes the program name. --help and --version win over every
// mistake (the first of them given). Raises UsageError with an Italian
// message for an unknown or repeated option, a missing or malformed option
// value, a separator equal to the delimiter, a wrong number of amounts or
// files, an empty amount or file name, an option that does not fit the mode,
// or an option of the award check without --award.
Arguments ParseArguments(std::span<const std::string_view> arguments);

}  // namespace cli
