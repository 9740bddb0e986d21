// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The companion's --award: its options as parsed, the lines, the CSV columns
// and the report of a real process, and the help, the manual pages and the
// completion naming every option.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/help_text.h"
#include "process_run.h"
#include "report/award_report.h"

namespace {

using cli::Arguments;
using cli_test::ProcessResult;

Arguments Parse(std::vector<std::string_view> arguments) { return cli::ParseArguments(arguments); }

std::string UsageMessage(std::vector<std::string_view> arguments) {
  try {
    Parse(arguments);
  } catch (const cli::UsageError& error) {
    return error.what();
  }
  return "(accepted)";
}

TEST(AwardArguments, OptionsInAnyOrderAndBothForms) {
  const Arguments arguments = Parse({"1000000", "--decimals=2", "--award", "--safety-costs", "30.000",
                                     "12,34", "--labour-costs=", "--below-threshold", "880253,50"});
  ASSERT_TRUE(arguments.award);
  EXPECT_EQ(arguments.award->safetyCosts, "30.000");
  EXPECT_EQ(arguments.award->labourCosts, "");
  EXPECT_EQ(arguments.award->discountDecimals, 2);
  EXPECT_TRUE(arguments.award->belowThreshold);
  EXPECT_EQ(arguments.amounts, (std::array<std::string, 3>{"1000000", "12,34", "880253,50"}));

  const Arguments defaults = Parse({"--csv", "--award"});
  ASSERT_TRUE(defaults.award);
  EXPECT_EQ(defaults.award->discountDecimals, 3);
  EXPECT_FALSE(defaults.award->belowThreshold);
  EXPECT_FALSE(Parse({"1", "2", "3"}).award);
}

TEST(AwardArguments, MistakesAreUsageErrors) {
  const std::pair<std::vector<std::string_view>, std::string> rows[] = {
      {{"--safety-costs", "1", "1", "2", "3"}, "--safety-costs vale solo con --award"},
      {{"--below-threshold", "1", "2", "3"}, "--below-threshold vale solo con --award"},
      {{"--award", "--decimals", "10", "1", "2", "3"}, "--decimals: serve un numero da 0 a 9, non \"10\""},
      {{"--award", "--decimals=-1", "1", "2", "3"}, "--decimals: serve un numero da 0 a 9, non \"-1\""},
      {{"--award", "--award", "1", "2", "3"}, "opzione ripetuta: \"--award\""},
      {{"--award", "--below-threshold=1", "1", "2", "3"},
       "l'opzione non accetta un valore: \"--below-threshold=1\""},
      {{"--award", "1", "2", "3", "--labour-costs"}, "l'opzione --labour-costs richiede un valore"},
  };
  for (const auto& [arguments, message] : rows) EXPECT_EQ(UsageMessage(arguments), message);
}

ProcessResult RunCompanion(const std::vector<std::string>& arguments, const std::string& stdinPath = "") {
  ProcessResult result = cli_test::RunProcess(CLI_PATH, arguments,
                                              {.stdinPath = stdinPath, .stdoutPath = {}, .environment = {}});
  EXPECT_FALSE(result.timedOut);
  return result;
}

TEST(AwardCompanion, LinesOfTheFirstWorkedExample) {
  const ProcessResult result = RunCompanion(
      {"--separator", ",", "--award", "--safety-costs", "30000", "1000000", "12,345", "880253,50"});
  EXPECT_EQ(result.exitCode, 0) << result.errors;
  EXPECT_EQ(result.output,
            "Importo soggetto a ribasso: 970000,00\n"
            "Importo contrattuale: 880253,50\n"
            "Importo contrattuale in lettere: ottocentottantamiladuecentocinquantatré/50\n"
            "Ribasso implicito dell'Impresa: 12,345000 %\n"
            "Impresa meno importo contrattuale: 0,00\n"
            "Esito: concorde\n"
            "Garanzia definitiva: 12,345 % dell'importo contrattuale, 108667,29\n");
}

// The note stands right after the outcome, as in every edition.
TEST(AwardCompanion, NoteLineFollowsTheOutcome) {
  const ProcessResult result = RunCompanion({"--separator", ",", "--award", "1000000", "12,3451", "876549"});
  EXPECT_EQ(result.exitCode, 0) << result.errors;
  EXPECT_NE(
      result.output.find("Esito: concorde\n"
                         "Nota: la percentuale di ribasso ha più di 3 decimali, più di quanti ne ammette "
                         "la gara\n"
                         "Garanzia definitiva: 12,3451 % dell'importo contrattuale, 108210,85\n"),
      std::string::npos)
      << result.output;
}

// An amount with more than two decimals is warned of on standard error,
// the figures still written and the exit status 0.
TEST(AwardCompanion, WarnsOfAnAmountWithMoreThanTwoDecimals) {
  const ProcessResult result = RunCompanion({"--separator", ",", "--award", "250,000", "12,5", "218,75"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.output.find("Importo contrattuale: 218,75\n"), std::string::npos) << result.output;
  EXPECT_EQ(
      result.errors,
      "discordanza-cli: avviso: Importo a base d'asta letto come 250,000: per le migliaia non si digita il "
      "punto\n");
}

TEST(AwardCompanion, MessageAndExitStatusWhenNothingIsSubjectToTheDiscount) {
  const ProcessResult result =
      RunCompanion({"--separator", ",", "--award", "--safety-costs", "1000", "1000", "10", "900"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(result.errors,
            "L'importo soggetto a ribasso (base d'asta meno oneri della sicurezza e costi della manodopera) "
            "non è maggiore di zero.\n");
}

TEST(AwardCompanion, RtfIsTheAwardReport) {
  const ProcessResult result = RunCompanion({"--separator", ",", "--award", "--rtf", "-", "--safety-costs",
                                             "30000", "1000000", "12,345", "880253,50"});
  EXPECT_EQ(result.exitCode, 0) << result.errors;
  const award::AwardInputs inputs{
      .baseAmount = "1000000", .discount = "12,345", .contractorTotal = "880253,50", .safetyCosts = "30000"};
  EXPECT_EQ(result.output, report::AwardReportRtf(inputs, ','));
}

// One tender, many bids: the options hold for every row; a row with an empty
// field gets empty award columns (and, under --strict, a failed row naming
// the cell), a row without figures the message alone, and both fail --strict.
TEST(AwardCompanion, CsvColumnsForEveryRow) {
  const std::string input = std::string(testing::TempDir()) + "award_rows.csv";
  std::ofstream(input, std::ios::binary) << "A;P;C\n"
                                            "1000000;12,345;876546\n"
                                            "1000000;12,345;\n"
                                            "20000;12,345;10000\n";
  const ProcessResult result = RunCompanion(
      {"--csv", input, "--header", "--award", "--safety-costs", "30000", "--separator", ",", "--strict"});
  std::filesystem::remove(input);
  EXPECT_EQ(result.exitCode, 1);
  const std::string noSubject =
      "L'importo soggetto a ribasso (base d'asta meno oneri della sicurezza e costi della manodopera) "
      "non è maggiore di zero.";
  EXPECT_EQ(
      result.output,
      "A;P;C;Importo totale dei lavori calcolato;Importo Impresa meno importo calcolato;"
      "Percentuale di discordanza;Errore;Importo soggetto a ribasso;Importo contrattuale;"
      "Importo contrattuale in lettere;Ribasso implicito dell'Impresa;Impresa meno importo contrattuale;"
      "Esito;Nota;Garanzia definitiva (%);Garanzia definitiva;Errore della verifica\n"
      "1000000;12,345;876546;876550;-4;-0,000456336575604703;;970000,00;880253,50;"
      "ottocentottantamiladuecentocinquantatré/50;12,727216;-3707,50;discordanza;;12,345;108667,29;\n"
      "1000000;12,345;;;;;cella vuota: Importo totale dei lavori proposto dall'Impresa;;;;;;;;;;\n"
      "20000;12,345;10000;17531;-7531;-75,31;;;;;;;;;;;" +
          noSubject + "\n");
}

// The options that the help lists, each named by both manual pages and
// offered by the completion, so that none of them is missing from one.
TEST(AwardCompanion, HelpManualPagesAndCompletionNameTheSameOptions) {
  // Each option's entry in the help opens a line: "  --name ...".
  const std::string help(cli::HelpText());
  const std::regex entry(R"((^|\n)  (--[a-z][a-z-]*))");
  std::set<std::string> options;
  for (auto it = std::sregex_iterator(help.begin(), help.end(), entry); it != std::sregex_iterator(); ++it)
    options.insert((*it)[2].str());
  ASSERT_TRUE(options.contains("--award"));
  const auto read = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const auto manualName = [](const std::string& name) {
    return std::regex_replace(name, std::regex("-"), "\\-");
  };
  const std::string english = read(SOURCE_DIR "/man/discordanza-cli.1");
  const std::string italian = read(SOURCE_DIR "/man/it/discordanza-cli.1");
  const std::string completion = read(SOURCE_DIR "/packaging/discordanza-cli.bash-completion");
  for (const std::string& name : options) {
    EXPECT_NE(english.find(manualName(name)), std::string::npos) << name << " in man/discordanza-cli.1";
    EXPECT_NE(italian.find(manualName(name)), std::string::npos) << name << " in man/it/discordanza-cli.1";
    EXPECT_NE(completion.find(name), std::string::npos) << name << " in the completion";
  }
}

}  // namespace
