// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
//
// The companion's argument parser on any argument vector (the input cut at
// NUL bytes, one argument a piece): it never crashes and fails only with a
// UsageError that says something; --help or --version before any "--" wins;
// what it accepts keeps the shape its options promise (three non-empty
// amounts taken from the arguments, a delimiter and a separator that can
// split a CSV file, non-empty file names). And what it accepts, written back
// as one canonical command line (options first, "--", then the operands),
// parses to the same thing: the order of options and operands and the
// "--name VALUE" or "--name=VALUE" spelling do not matter.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"

namespace {

std::vector<std::string_view> ArgumentsFrom(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> arguments;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty()) {
    const std::size_t cut = rest.find('\0');
    arguments.push_back(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
  }
  return arguments;
}

bool AsksForInformation(const std::vector<std::string_view>& arguments) {
  for (std::string_view argument : arguments) {
    if (argument == "--") return false;
    if (argument == "--help" || argument == "-h" || argument == "--version") return true;
  }
  return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool Contains(const std::vector<std::string_view>& arguments, std::string_view text) {
  return std::find(arguments.begin(), arguments.end(), text) != arguments.end();
}

// The shape the accepted options promise.
bool WellFormed(const cli::Arguments& parsed, const std::vector<std::string_view>& arguments) {
  if (parsed.separator && IsDigit(*parsed.separator)) return false;
  switch (parsed.mode) {
    case cli::Mode::Help:
    case cli::Mode::Version: return true;
    case cli::Mode::Direct:
      if (parsed.rtfFile && parsed.rtfFile->empty()) return false;
      return std::all_of(
          parsed.amounts.begin(), parsed.amounts.end(),
          [&arguments](const std::string& amount) { return !amount.empty() && Contains(arguments, amount); });
    case cli::Mode::Csv: {
      const char d = parsed.delimiter;
      if (d == '"' || d == '\r' || d == '\n' || IsDigit(d) || parsed.separator == d) return false;
      if (parsed.rtfFile) return false;
      return !parsed.csvFile || (!parsed.csvFile->empty() && *parsed.csvFile != "-");
    }
  }
  return false;
}

// The same request as one canonical command line.
std::vector<std::string> Canonical(const cli::Arguments& parsed) {
  std::vector<std::string> line;
  if (parsed.separator) line.push_back("--separator=" + std::string(1, *parsed.separator));
  if (parsed.strict) line.push_back("--strict");  // taken, and without effect, with the three amounts
  if (parsed.mode == cli::Mode::Direct) {
    // "--name=VALUE": a value such as "-h" after "--rtf " would ask for help.
    if (parsed.rtfFile) line.push_back("--rtf=" + *parsed.rtfFile);
    line.push_back("--");
    line.insert(line.end(), parsed.amounts.begin(), parsed.amounts.end());
    return line;
  }
  line.push_back("--csv");
  if (parsed.delimiter != ';') line.push_back("--delimiter=" + std::string(1, parsed.delimiter));
  if (parsed.header) line.push_back("--header");
  line.push_back("--");
  if (parsed.csvFile) line.push_back(*parsed.csvFile);
  return line;
}

bool SameRequest(const cli::Arguments& a, const cli::Arguments& b) {
  return a.mode == b.mode && a.amounts == b.amounts && a.rtfFile == b.rtfFile && a.csvFile == b.csvFile &&
         a.delimiter == b.delimiter && a.header == b.header && a.strict == b.strict &&
         a.separator == b.separator;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> arguments = ArgumentsFrom(data, size);
  cli::Arguments parsed;
  try {
    parsed = cli::ParseArguments(arguments);
  } catch (const cli::UsageError& error) {
    if (std::string_view(error.what()).empty() || AsksForInformation(arguments)) std::abort();
    return 0;
  } catch (const std::exception&) {
    std::abort();
  }
  const bool information = parsed.mode == cli::Mode::Help || parsed.mode == cli::Mode::Version;
  if (information != AsksForInformation(arguments) || !WellFormed(parsed, arguments)) std::abort();
  if (information) return 0;

  const std::vector<std::string> canonical = Canonical(parsed);
  const std::vector<std::string_view> canonicalViews(canonical.begin(), canonical.end());
  try {
    if (!SameRequest(cli::ParseArguments(canonicalViews), parsed)) std::abort();
  } catch (const cli::UsageError&) {
    std::abort();
  }
  return 0;
}
