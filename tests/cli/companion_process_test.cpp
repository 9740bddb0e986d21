// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The companion as a real process on real files: arguments, standard
// streams, exit codes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "process_run.h"
#include "report/report_rtf.h"

namespace {

using cli_test::ProcessResult;
using cli_test::ProcessSetup;

class Companion : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "cli_e2e_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::string WriteFile(const std::string& name, const std::string& content) {
    std::string path = (directory_ / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  static ProcessResult Run(const std::vector<std::string>& arguments, ProcessSetup setup = {}) {
    ProcessResult result = cli_test::RunProcess(CLI_PATH, arguments, setup);
    EXPECT_FALSE(result.timedOut);
    return result;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(directory_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::filesystem::path directory_;
};

const std::string kWorkedExampleLines =
    "Importo totale dei lavori calcolato: 83028,1500000001\n"
    "Importo Impresa meno importo calcolato: 5655716,85\n"
    "Percentuale di discordanza: 98,5532002206057 %\n";

// The report of the window's Salva for the worked example: the three amounts
// as typed and the three results as shown.
std::string WorkedExampleRtf() {
  return report::ReportRtf({.baseAmount = "2767605",
                            .discount = "97",
                            .contractorTotal = "5738745",
                            .computedTotal = "83028,1500000001",
                            .difference = "5655716,85",
                            .discrepancy = "98,5532002206057"});
}

TEST_F(Companion, WorkedExampleWithCommaSeparator) {
  ProcessResult result = Run({"--separator", ",", "2767605", "97", "5738745"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, kWorkedExampleLines);
  EXPECT_EQ(result.errors, "");
}

TEST_F(Companion, RtfReportIsTheWindowsReport) {
  const std::string target = (directory_ / "report.rtf").string();
  ProcessResult result = Run({"--separator", ",", "--rtf", target, "2767605", "97", "5738745"});
  EXPECT_EQ(result.exitCode, 0) << result.errors;
  EXPECT_EQ(result.output, kWorkedExampleLines);
  EXPECT_EQ(Read("report.rtf"), WorkedExampleRtf());
}

TEST_F(Companion, RtfReportToStandardOutputAlone) {
  ProcessResult result = Run({"2767605", "97", "5738745", "--rtf", "-", "--separator", ","});
  EXPECT_EQ(result.exitCode, 0) << result.errors;
  EXPECT_EQ(result.output, WorkedExampleRtf());
}

// A report that cannot be made or written: exit 1, a message naming the
// cause, and an existing file left as it was.
TEST_F(Companion, RtfReportFailuresKeepTheOldFile) {
  struct Case {
    const char* name;
    std::vector<std::string> amounts;
    std::string target;
    std::string errorPart;
  };
  const std::string old = (directory_ / "old.rtf").string();
  const Case cases[] = {
      {"computation_fails", {"1000", "10", "0"}, old, "Floating point division by zero\n"},
      {"line_break_in_an_amount",
       {"1000\n", "10", "9"},
       old,
       "discordanza-cli: resoconto RTF non creato: RichEdit line insertion error"},
      {"missing_folder",
       {"1000", "10", "9"},
       (directory_ / "missing" / "r.rtf").string(),
       "discordanza-cli: resoconto RTF non salvato: impossibile scrivere \"" +
           (directory_ / "missing" / "r.rtf").string() + "\": No such file or directory\n"},
      {"full_device", {"1000", "10", "9"}, "/dev/full", "No space left on device"},
  };
  for (const Case& c : cases) {
    WriteFile("old.rtf", "old report");
    std::vector<std::string> arguments = {"--rtf", c.target, "--separator", ","};
    arguments.insert(arguments.end(), c.amounts.begin(), c.amounts.end());
    ProcessResult result = Run(arguments);
    EXPECT_EQ(result.exitCode, 1) << c.name;
    EXPECT_EQ(result.output, "") << c.name;
    EXPECT_NE(result.errors.find(c.errorPart), std::string::npos) << c.name << ": " << result.errors;
    EXPECT_EQ(Read("old.rtf"), "old report") << c.name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory_), {}), 1) << c.name;
  }
}

TEST_F(Companion, SeparatorFromTheLocaleWithoutOption) {
  ProcessSetup setup;
  setup.environment = {"LC_ALL=C"};
  ProcessResult result = Run({"250000", "12.5", "220000"}, setup);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output,
            "Importo totale dei lavori calcolato: 218750\n"
            "Importo Impresa meno importo calcolato: 1250\n"
            "Percentuale di discordanza: 0.568181818181818 %\n");
}

struct DirectCase {
  const char* name;
  std::vector<std::string> arguments;
  int exitCode;
  std::string errors;  // exact, or a part of it for usage errors
};

const DirectCase kDirectFailures[] = {
    {"division_by_zero", {"--separator", ",", "1000", "10", "0"}, 1, "Floating point division by zero\n"},
    {"invalid_operation", {"--separator", ",", "0", "0", "0,0"}, 1, "Invalid floating point operation\n"},
    {"conversion_quotes_kept_text",
     {"--separator", ",", "1000", "x-y", "9"},
     1,
     "'' is not a valid floating point value\n"},
    {"overflow",
     {"--separator", ",", "1" + std::string(309, '0'), "10", "9"},
     1,
     "Floating point overflow\n"},
    {"empty_argument", {"1000", "", "9"}, 2, "la percentuale di ribasso è vuota"},
    {"two_arguments", {"1000", "10"}, 2, "servono tre importi"},
    {"unknown_option", {"--bogus", "1000", "10", "9"}, 2, "opzione sconosciuta"},
};

class CompanionFailure : public Companion, public testing::WithParamInterface<DirectCase> {};

TEST_P(CompanionFailure, ReportsOnStandardErrorWithExitCode) {
  const DirectCase& c = GetParam();
  ProcessResult result = Run(c.arguments);
  EXPECT_EQ(result.exitCode, c.exitCode);
  EXPECT_EQ(result.output, "");
  if (c.exitCode == 1) {
    EXPECT_EQ(result.errors, c.errors);
  } else {
    EXPECT_NE(result.errors.find(c.errors), std::string::npos) << result.errors;
    EXPECT_NE(result.errors.find("--help"), std::string::npos) << result.errors;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, CompanionFailure, testing::ValuesIn(kDirectFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Companion, HelpExplainsEveryOption) {
  ProcessResult result = Run({"--help"});
  EXPECT_EQ(result.exitCode, 0);
  for (const char* part : {"--csv [FILE]", "--delimiter C", "--header", "--separator C", "--strict",
                           "--rtf FILE", "--version", "-h, --help", "\n  --  ", "Codici di uscita"}) {
    EXPECT_NE(result.output.find(part), std::string::npos) << part;
  }
}

TEST_F(Companion, VersionNamesTheProjectVersion) {
  ProcessResult result = Run({"--version"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, "discordanza-cli " PROJECT_VERSION "\n");
  EXPECT_EQ(result.errors, "");
}

// A locale that is named but not installed gives "." with a warning, once,
// whatever the number of rows; a locale that loads, or --separator, gives
// none.
TEST_F(Companion, WarnsOnceWhenTheNamedLocaleIsMissing) {
  const std::string warning =
      "discordanza-cli: la localizzazione \"xx_NOWHERE\" (da LANG) non è installata: il separatore decimale "
      "è "
      "\".\"; per sceglierne un altro: --separator C\n";
  const std::string rows = WriteFile("rows.csv", "250000;12.5;220000\n1000;10;9\n");
  struct Case {
    const char* name;
    std::vector<std::string> environment;
    std::vector<std::string> arguments;
    std::string errors;
    std::string outputStart;
  };
  const std::vector<std::string> missingLocale = {"LC_ALL=", "LC_NUMERIC=", "LANG=xx_NOWHERE"};
  const Case cases[] = {
      {"direct",
       missingLocale,
       {"250000", "12,5", "220000"},
       warning,
       "Importo totale dei lavori calcolato: -62500\n"},  // "12,5" read as 125
      {"csv",
       missingLocale,
       {"--csv", rows},
       warning,
       "250000;12.5;220000;218750;1250;0.568181818181818;\n1000"},
      {"silenced_by_separator",
       missingLocale,
       {"--separator", ",", "250000", "12,5", "220000"},
       "",
       "Importo totale dei lavori calcolato: 218750\n"},
      {"installed_locale",
       {"LC_ALL=", "LC_NUMERIC=it_IT.UTF-8"},
       {"250000", "12,5", "220000"},
       "",
       "Importo totale dei lavori calcolato: 218750\n"},
  };
  for (const Case& c : cases) {
    ProcessSetup setup;
    setup.environment = c.environment;
    ProcessResult result = Run(c.arguments, setup);
    EXPECT_EQ(result.exitCode, 0) << c.name;
    EXPECT_EQ(result.errors, c.errors) << c.name;
    EXPECT_TRUE(result.output.starts_with(c.outputStart)) << c.name << ": " << result.output;
  }
}

// --strict turns a failed row, an empty amount's too, into exit status 1, once every row is written.
TEST_F(Companion, StrictFailsTheRunOnFailedRows) {
  struct Case {
    const char* name;
    std::string content;
    bool strict;
    int exitCode;
    std::string errors;
  };
  const std::string input = (directory_ / "rows.csv").string();
  const Case cases[] = {
      {"failed_row_strict", "1000;10;0\n1000;10;9\n", true, 1,
       "discordanza-cli: " + input + ": righe con il calcolo non riuscito: 1 su 2 (--strict)\n"},
      {"failed_row_default", "1000;10;0\n1000;10;9\n", false, 0, ""},
      {"empty_field_strict", ";10;9\n1000;10;9\n", true, 1,
       "discordanza-cli: " + input + ": righe con il calcolo non riuscito: 1 su 2 (--strict)\n"},
  };
  for (const Case& c : cases) {
    WriteFile("rows.csv", c.content);
    std::vector<std::string> arguments = {"--csv", input, "--separator", ","};
    if (c.strict) arguments.push_back("--strict");
    ProcessResult result = Run(arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.name;
    EXPECT_EQ(result.errors, c.errors) << c.name;
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 2) << c.name;
  }
}

// GNU order: the file and the options in any order.
TEST_F(Companion, FileAmongOptions) {
  const std::string input = WriteFile("bids.csv", "Base;Ribasso;Offerta\n1000;10;9\n");
  for (const auto& arguments : {std::vector<std::string>{"--csv", "--header", input, "--separator", ","},
                                std::vector<std::string>{"--csv", input, "--header", "--separator", ","},
                                std::vector<std::string>{input, "--separator", ",", "--header", "--csv"}}) {
    ProcessResult result = Run(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_TRUE(result.output.ends_with("\n1000;10;9;900;-891;-9900;\n")) << result.output;
  }
}

// Each row written into a pipe is answered before the next one is sent,
// and before the input ends.
TEST_F(Companion, AnswersEachRowOfAPipeAtOnce) {
  cli_test::PipedProcess process(CLI_PATH, {"--csv", "--header", "--separator", ","});
  ASSERT_TRUE(process.Write("Base;Ribasso;Offerta\n"));
  EXPECT_TRUE(process.ReadLine(5000).starts_with("Base;Ribasso;Offerta;Importo totale"));
  ASSERT_TRUE(process.Write("1000;10;9\n"));
  EXPECT_EQ(process.ReadLine(5000), "1000;10;9;900;-891;-9900;");
  ASSERT_TRUE(process.Write("250000;12,5;"));
  EXPECT_EQ(process.ReadLine(200), "(no answer)");  // the line is not complete yet
  ASSERT_TRUE(process.Write("220000\r"));
  EXPECT_EQ(process.ReadLine(5000), "250000;12,5;220000;218750;1250;0,568181818181818;");
  ASSERT_TRUE(process.Write("\n1000;10;0\r\n"));
  EXPECT_EQ(process.ReadLine(5000), "1000;10;0;;;;Floating point division by zero");
  process.CloseInput();
  EXPECT_EQ(process.ReadLine(5000), "(no answer)");
  EXPECT_EQ(process.Wait(10), 0);
}

// Rows typed at a terminal are answered line by line too.
TEST_F(Companion, AnswersEachRowTypedAtATerminal) {
  cli_test::PipedProcess process(CLI_PATH, {"--csv", "--separator", ","},
                                 cli_test::PipedProcess::Input::Terminal);
  ASSERT_TRUE(process.Write("1000;10;9\n"));
  EXPECT_EQ(process.ReadLine(5000), "1000;10;9;900;-891;-9900;");
  ASSERT_TRUE(process.Write("250000;12,5;220000\n"));
  EXPECT_EQ(process.ReadLine(5000), "250000;12,5;220000;218750;1250;0,568181818181818;");
  process.CloseInput();
  EXPECT_EQ(process.Wait(10), 0);
}

const std::string kMixedCsv =
    "2767605;97;5738745\r\n"
    "1000;10;0\r\n"
    ";10;9\r\n"
    "\"250000\";\"12,5\";\"Offerta: 220.000\"\r\n";
const std::string kMixedResults =
    "2767605;97;5738745;83028,1500000001;5655716,85;98,5532002206057;\n"
    "1000;10;0;;;;Floating point division by zero\n"
    ";10;9;;;;\n"
    "250000;12,5;Offerta: 220.000;218750;1250;0,568181818181818;\n";

TEST_F(Companion, CsvFileWithGoodFailingAndEmptyRows) {
  std::string input = WriteFile("bids.csv", kMixedCsv);
  ProcessResult result = Run({"--csv", input, "--separator", ","});
  EXPECT_EQ(result.exitCode, 0) << result.errors;
  EXPECT_EQ(result.output, kMixedResults);
  EXPECT_EQ(result.errors, "");
}

TEST_F(Companion, CsvFromStandardInputWithHeaderAndTabs) {
  std::string input = WriteFile("bids.tsv", "Base\tRibasso\tOfferta\n1000\t10\t9\n");
  ProcessSetup setup;
  setup.stdinPath = input;
  ProcessResult result = Run({"--csv", "--header", "--delimiter", "\\t", "--separator", "."}, setup);
  EXPECT_EQ(result.exitCode, 0) << result.errors;
  EXPECT_EQ(
      result.output,
      "Base\tRibasso\tOfferta\tImporto totale dei lavori calcolato\tImporto Impresa meno importo calcolato\t"
      "Percentuale di discordanza\tErrore\n1000\t10\t9\t900\t-891\t-9900\t\n");
}

struct MalformedCase {
  const char* name;
  std::string content;
  std::string outputBefore;
  const char* errorPart;
};

const MalformedCase kMalformedFiles[] = {
    {"unterminated_quote", "1000;10;9\n\n1000;\"10;9\n", "1000;10;9;900;-891;-9900;\n",
     ", riga 3: un campo aperto"},
    {"stray_quote", "1000;10\"x;9\n", "", ", riga 1: virgolette fuori posto"},
    {"two_fields", "1000;10;9\n1000;10\n", "1000;10;9;900;-891;-9900;\n", ", riga 2: la riga ha 2 campi"},
};

class CompanionMalformed : public Companion, public testing::WithParamInterface<MalformedCase> {};

TEST_P(CompanionMalformed, StopsNamingFileAndLine) {
  const MalformedCase& c = GetParam();
  std::string input = WriteFile("bad.csv", c.content);
  ProcessResult result = Run({"--csv", input, "--separator", ","});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, c.outputBefore);
  EXPECT_NE(result.errors.find("discordanza-cli: " + input + c.errorPart), std::string::npos)
      << result.errors;
}

INSTANTIATE_TEST_SUITE_P(Table, CompanionMalformed, testing::ValuesIn(kMalformedFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Companion, MissingFileIsReported) {
  std::string missing = (directory_ / "missing.csv").string();
  ProcessResult result = Run({"--csv", missing});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.errors.find("impossibile aprire \"" + missing + "\""), std::string::npos) << result.errors;
}

TEST_F(Companion, UnreadableFileIsReported) {
  ProcessResult result = Run({"--csv", directory_.string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.errors.find(directory_.string() + ", riga 1: errore di lettura"), std::string::npos)
      << result.errors;
}

TEST_F(Companion, DashReadsStandardInput) {
  ProcessSetup setup;
  setup.stdinPath = WriteFile("bids.csv", kMixedCsv);
  ProcessResult result = Run({"--separator", ",", "--csv", "-"}, setup);
  EXPECT_EQ(result.exitCode, 0) << result.errors;
  EXPECT_EQ(result.output, kMixedResults);
}

TEST_F(Companion, FullOutputDeviceIsAWriteError) {
  for (auto arguments : {std::vector<std::string>{"1000", "10", "9"}, std::vector<std::string>{"--csv"}}) {
    std::string input = WriteFile("rows.csv", "1000;10;9\n");
    ProcessSetup setup;
    setup.stdinPath = input;
    setup.stdoutPath = "/dev/full";
    ProcessResult result = Run(arguments, setup);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.errors.find("scrittura dei risultati non riuscita"), std::string::npos) << result.errors;
  }
}

// A megabyte of digits overflows the accumulated integer: a conversion error
// that quotes the whole kept text, reached without hanging.
TEST_F(Companion, MegabyteOfDigitsIsAConversionErrorInCsv) {
  std::string digits(1 << 20, '7');
  std::string input = WriteFile("huge.csv", digits + ";10;9\n1000;10;9\n");
  ProcessResult result = Run({"--csv", input, "--separator", ","});
  EXPECT_EQ(result.exitCode, 0) << result.errors;
  EXPECT_EQ(result.output, digits + ";10;9;;;;'" + digits + "' is not a valid floating point value\n" +
                               "1000;10;9;900;-891;-9900;\n");
}

// A single argument is limited by the system to 128 KiB, just under that here.
TEST_F(Companion, LongArgumentOfDigitsIsAConversionError) {
  std::string digits(120'000, '9');
  ProcessResult result = Run({"--separator", ",", "1000", "10", digits});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.errors, "'" + digits + "' is not a valid floating point value\n");
}

}  // namespace
