// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace cli {
namespace {

Arguments Parse(std::vector<std::string_view> arguments) { return ParseArguments(arguments); }

std::string UsageMessage(std::vector<std::string_view> arguments) {
  try {
    Parse(arguments);
  } catch (const UsageError& error) {
    return error.what();
  }
  return "(accepted)";
}

struct ValidCase {
  const char* name;
  std::vector<std::string_view> arguments;
  Arguments expected;
};

// Names the row in test output.
void PrintTo(const ValidCase& row, std::ostream* os) { *os << row.name; }

Arguments Direct(std::string a, std::string b, std::string c, std::optional<char> separator = {}) {
  Arguments arguments;
  arguments.mode = Mode::Direct;
  arguments.amounts = {a, b, c};
  arguments.separator = separator;
  return arguments;
}

Arguments Csv(std::optional<std::string> file, char delimiter = ';', bool header = false,
              std::optional<char> separator = {}) {
  Arguments arguments;
  arguments.mode = Mode::Csv;
  arguments.csvFile = file;
  arguments.delimiter = delimiter;
  arguments.header = header;
  arguments.separator = separator;
  return arguments;
}

Arguments Only(Mode mode) {
  Arguments arguments;
  arguments.mode = mode;
  return arguments;
}

Arguments Strict(Arguments arguments) {
  arguments.strict = true;
  return arguments;
}

Arguments WithRtf(Arguments arguments, std::string file) {
  arguments.rtfFile = file;
  return arguments;
}

const ValidCase kValidCases[] = {
    {"three_amounts", {"2767605", "97", "5738745"}, Direct("2767605", "97", "5738745")},
    {"amounts_kept_verbatim", {" 1.000,5 ", "abc", "x;y"}, Direct(" 1.000,5 ", "abc", "x;y")},
    {"separator_before", {"--separator", ",", "1", "2", "3"}, Direct("1", "2", "3", ',')},
    {"separator_after_with_equals", {"1", "2", "3", "--separator=."}, Direct("1", "2", "3", '.')},
    {"lone_dash_is_an_amount", {"-", "2", "3"}, Direct("-", "2", "3")},
    {"double_dash_ends_options", {"--", "-5", "--csv", "3"}, Direct("-5", "--csv", "3")},
    {"help", {"--help"}, Only(Mode::Help)},
    {"short_help_wins_over_mistakes", {"1", "-h", "--bogus=1"}, Only(Mode::Help)},
    {"version", {"--version"}, Only(Mode::Version)},
    {"version_wins_over_mistakes", {"--csv", "--bogus", "--version", "x"}, Only(Mode::Version)},
    {"first_of_version_and_help", {"--version", "--help"}, Only(Mode::Version)},
    {"version_after_double_dash_is_an_amount", {"--", "--version", "2", "3"}, Direct("--version", "2", "3")},
    {"options_between_amounts",
     {"1", "--separator", ",", "2", "--rtf", "r.rtf", "3"},
     WithRtf(Direct("1", "2", "3", ','), "r.rtf")},
    {"rtf_file", {"--rtf", "r.rtf", "1", "2", "3"}, WithRtf(Direct("1", "2", "3"), "r.rtf")},
    {"rtf_after_amounts_to_stdout", {"1", "2", "3", "--rtf=-"}, WithRtf(Direct("1", "2", "3"), "-")},
    {"csv_from_stdin", {"--csv"}, Csv({})},
    {"csv_dash_is_stdin", {"--csv", "-"}, Csv({})},
    {"csv_file", {"--csv", "bids.csv"}, Csv("bids.csv")},
    {"csv_file_with_equals", {"--csv=bids.csv"}, Csv("bids.csv")},
    {"csv_option_not_taken_as_file", {"--csv", "--header"}, Csv({}, ';', true)},
    {"csv_all_options",
     {"--delimiter", ",", "--csv", "in.csv", "--header", "--separator", "."},
     Csv("in.csv", ',', true, '.')},
    {"file_after_header", {"--csv", "--header", "bids.csv"}, Csv("bids.csv", ';', true)},
    {"header_after_file", {"--csv", "bids.csv", "--header"}, Csv("bids.csv", ';', true)},
    {"file_first", {"bids.csv", "--separator", ".", "--csv"}, Csv("bids.csv", ';', false, '.')},
    {"file_among_options",
     {"--header", "--delimiter", ",", "bids.csv", "--csv", "--strict"},
     Strict(Csv("bids.csv", ',', true))},
    {"dash_among_options_is_stdin", {"--header", "-", "--csv"}, Csv({}, ';', true)},
    {"file_after_double_dash", {"--csv", "--", "--odd.csv"}, Csv("--odd.csv")},
    {"tab_as_escape", {"--csv", "--delimiter", "\\t"}, Csv({}, '\t')},
    {"tab_as_itself", {"--csv", "--delimiter=\t"}, Csv({}, '\t')},
};

class ValidArguments : public testing::TestWithParam<ValidCase> {};

TEST_P(ValidArguments, ParseAsExpected) {
  const ValidCase& c = GetParam();
  Arguments actual = Parse(c.arguments);
  EXPECT_EQ(actual.mode, c.expected.mode);
  if (c.expected.mode == Mode::Direct) {
    EXPECT_EQ(actual.amounts, c.expected.amounts);
  }
  EXPECT_EQ(actual.csvFile, c.expected.csvFile);
  EXPECT_EQ(actual.delimiter, c.expected.delimiter);
  EXPECT_EQ(actual.header, c.expected.header);
  EXPECT_EQ(actual.separator, c.expected.separator);
  EXPECT_EQ(actual.strict, c.expected.strict);
  EXPECT_EQ(actual.rtfFile, c.expected.rtfFile);
}

INSTANTIATE_TEST_SUITE_P(Table, ValidArguments, testing::ValuesIn(kValidCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct InvalidCase {
  const char* name;
  std::vector<std::string_view> arguments;
  const char* messagePart;  // the message must name the fault
};

// Names the row in test output.
void PrintTo(const InvalidCase& row, std::ostream* os) { *os << row.name; }

const InvalidCase kInvalidCases[] = {
    {"nothing", {}, "servono tre importi"},
    {"two_amounts", {"1", "2"}, "non 2: \"1\" \"2\""},
    {"four_amounts", {"1", "2", "3", "4"}, "non 4: \"1\" \"2\" \"3\" \"4\""},
    {"empty_base", {"", "2", "3"}, "importo a base d'asta è vuoto"},
    {"empty_discount", {"1", "", "3"}, "percentuale di ribasso è vuota"},
    {"empty_total", {"1", "2", ""}, "dall'Impresa è vuoto"},
    {"unknown_option", {"--verbose", "1", "2", "3"}, "opzione sconosciuta: \"--verbose\""},
    {"negative_looking_amount", {"-5", "2", "3"}, "opzione sconosciuta: \"-5\""},
    {"repeated_option",
     {"--separator", ",", "--separator", ".", "1", "2", "3"},
     "opzione ripetuta: \"--separator\""},
    {"separator_missing_value", {"1", "2", "3", "--separator"}, "--separator richiede un valore"},
    {"separator_empty", {"--separator=", "1", "2", "3"}, "serve un solo carattere"},
    {"separator_two_bytes", {"--separator", "·", "1", "2", "3"}, "serve un solo carattere"},
    {"separator_digit", {"--separator", "5", "1", "2", "3"}, "una cifra"},
    {"delimiter_quote", {"--csv", "--delimiter", "\""}, "virgolette"},
    {"delimiter_newline", {"--csv", "--delimiter", "\n"}, "a capo"},
    {"delimiter_word", {"--csv", "--delimiter", "tab"}, "serve un solo carattere"},
    {"delimiter_digit", {"--csv", "--delimiter", "7"}, "le cifre non possono separare i campi, non \"7\""},
    {"separator_equal_to_default_delimiter", {"--csv", "--separator", ";"}, "\";\" è anche il delimitatore"},
    {"separator_equal_to_delimiter",
     {"--separator=,", "--csv", "--delimiter", ","},
     "\",\" è anche il delimitatore"},
    {"delimiter_without_csv", {"--delimiter", ",", "1", "2", "3"}, "--delimiter vale solo con --csv"},
    {"header_without_csv", {"--header", "1", "2", "3"}, "--header vale solo con --csv"},
    {"strict_without_csv", {"1", "2", "3", "--strict"}, "--strict vale solo con --csv"},
    {"header_with_value", {"--csv", "--header=yes"}, "non accetta un valore: \"--header=yes\""},
    {"strict_with_value", {"--csv", "--strict=1"}, "non accetta un valore: \"--strict=1\""},
    {"csv_empty_file_name", {"--csv", ""}, "nome del file è vuoto"},
    {"csv_with_amounts", {"--csv", "in.csv", "1"}, "non dalla riga di comando: \"in.csv\" \"1\""},
    {"csv_file_twice", {"--csv=a.csv", "b.csv"}, "\"a.csv\" \"b.csv\""},
    {"rtf_with_csv", {"--csv", "--rtf", "r.rtf"}, "--rtf vale solo con i tre importi"},
    {"rtf_empty_file_name", {"--rtf=", "1", "2", "3"}, "--rtf: il nome del file è vuoto"},
    {"rtf_missing_value", {"1", "2", "3", "--rtf"}, "--rtf richiede un valore"},
    {"unknown_option_named_whole", {"--csv", "--head"}, "opzione sconosciuta: \"--head\""},
};

class InvalidArguments : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidArguments, RaiseUsageErrorNamingTheFault) {
  const InvalidCase& c = GetParam();
  EXPECT_NE(UsageMessage(c.arguments).find(c.messagePart), std::string::npos) << UsageMessage(c.arguments);
}

INSTANTIATE_TEST_SUITE_P(Table, InvalidArguments, testing::ValuesIn(kInvalidCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cli
