// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/batch.h"

#include <gtest/gtest.h>

#include <string>

#include "stream_helpers.h"

namespace cli {
namespace {

struct BatchRun {
  std::string output;
  std::string error;  // the BatchError message, empty when none
  std::size_t errorLine = 0;
};

BatchRun RunRows(std::string_view input, BatchOptions options = {}) {
  auto in = cli_test::ReadableFile(input);
  cli_test::File out(std::tmpfile());
  BatchRun run;
  try {
    RunBatch(in.get(), out.get(), options);
  } catch (const BatchError& error) {
    run.error = error.what();
    run.errorLine = error.line();
  }
  run.output = cli_test::WrittenText(out.get());
  return run;
}

struct BatchCase {
  const char* name;
  std::string input;
  std::string expected;
  BatchOptions options = {};
};

const BatchCase kBatchCases[] = {
    {"worked_examples", "1000;10;9\n250000;12,5;220000\n2767605;97;5738745\n1017865;94;5194350\n",
     "1000;10;9;900;-891;-9900;\n"
     "250000;12,5;220000;218750;1250;0,568181818181818;\n"
     "2767605;97;5738745;83028,1500000001;5655716,85;98,5532002206057;\n"
     "1017865;94;5194350;61071,9000000001;5133278,1;98,8242629010367;\n"},
    {"failing_rows_are_data", "1000;10;0\n0;0;0\nabc;x;1\n1;2;\"0\"\"0\"\n1000;10;9\n",
     "1000;10;0;;;;Floating point division by zero\n"
     "0;0;0;;;;Invalid floating point operation\n"
     "abc;x;1;;;;'' is not a valid floating point value\n"
     "1;2;\"0\"\"0\";;;;Floating point division by zero\n"
     "1000;10;9;900;-891;-9900;\n"},
    {"empty_field_not_computed", ";10;9\n1000;;9\n1000;10;\n\"\";\"\";\"\"\n",
     ";10;9;;;;\n1000;;9;;;;\n1000;10;;;;;\n;;;;;;\n"},
    {"texts_copied_without_padding", " 1.000\t;\" 10\";\"9\r\n\"\r\n",
     "1.000;\" 10\";\"9\r\n\";900;-891;-9900;\n"},
    {"field_of_spaces_is_empty", "1000;  ;9\n", "1000;;9;;;;\n"},
    {"header_row_extended",
     "Base;Ribasso;Offerta\n1000;10;9\n",
     "Base;Ribasso;Offerta;Importo totale dei lavori calcolato;Importo Impresa meno importo calcolato;"
     "Percentuale di discordanza;Errore\n1000;10;9;900;-891;-9900;\n",
     {.delimiter = ';', .separator = ',', .header = true, .award = {}}},
    {"point_separator",
     "250000;12.5;220000\n",
     "250000;12.5;220000;218750;1250;0.568181818181818;\n",
     {.delimiter = ';', .separator = '.', .header = false, .award = {}}},
    {"comma_delimiter_quotes_results",
     "250000,\"12,5\",220000\n",
     "250000,\"12,5\",220000,218750,1250,\"0,568181818181818\",\n",
     {.delimiter = ',', .separator = ',', .header = false, .award = {}}},
    {"tab_delimiter",
     "1000\t10\t9\n",
     "1000\t10\t9\t900\t-891\t-9900\t\n",
     {.delimiter = '\t', .separator = ',', .header = false, .award = {}}},
    {"byte_order_mark_kept_before_the_rows", "\xEF\xBB\xBF\"1000\";10;9\n",
     "\xEF\xBB\xBF"
     "1000;10;9;900;-891;-9900;\n"},
    {"empty_input", "", ""},
    {"trailing_delimiters_dropped",
     "Base;Ribasso;Offerta;\n1000;10;9;\n250000;12,5;220000;;\"\"\n",
     "Base;Ribasso;Offerta;Importo totale dei lavori calcolato;Importo Impresa meno importo calcolato;"
     "Percentuale di "
     "discordanza;Errore\n1000;10;9;900;-891;-9900;\n250000;12,5;220000;218750;1250;0,568181818181818;\n",
     {.delimiter = ';', .separator = ',', .header = true, .award = {}}},
    {"lines_of_spaces_skipped", "  \n1000;10;9\n \r\n", "1000;10;9;900;-891;-9900;\n"},
    {"space_before_opening_quote", "1000; \"10\"; \"9\"\n", "1000;10;9;900;-891;-9900;\n"},
    {"strict_names_the_empty_cells",
     ";10;9\n1000;\"\";  \n1000;10;9\n",
     ";10;9;;;;cella vuota: Importo a base d'asta\n"
     "1000;;;;;;celle vuote: Percentuale di ribasso aggiudicatrice, Importo totale dei lavori proposto "
     "dall'Impresa\n1000;10;9;900;-891;-9900;\n",
     {.delimiter = ';', .separator = ',', .header = false, .strict = true, .award = {}}},
};

class BatchRows : public testing::TestWithParam<BatchCase> {};

TEST_P(BatchRows, OneOutputRowPerInputRow) {
  const BatchCase& c = GetParam();
  BatchRun run = RunRows(c.input, c.options);
  EXPECT_EQ(run.error, "");
  EXPECT_EQ(run.output, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, BatchRows, testing::ValuesIn(kBatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct StopCase {
  const char* name;
  std::string input;
  std::string outputBefore;  // the rows written before the stop
  std::size_t line;
  const char* messagePart;
};

const StopCase kStopCases[] = {
    {"two_fields", "1000;10;9\n1;2\n1000;10;9\n", "1000;10;9;900;-891;-9900;\n", 2,
     "riga 2: la riga ha 2 campi"},
    {"four_fields", "1;2;3;4\n", "", 1, "riga 1: la riga ha 4 campi"},
    {"text_after_trailing_delimiter", "1000;10;9;\n1;2;3;;x\n", "1000;10;9;900;-891;-9900;\n", 2,
     "riga 2: la riga ha 5 campi"},
    {"utf16_before_any_row",
     std::string("\xFF\xFE"
                 "1\0;\0"
                 "2\0;\0"
                 "3\0\n\0",
                 14),
     "", 1, "UTF-16 LE"},
    {"line_after_lone_cr_lines", "1000;10;9\r\r1;2\r", "1000;10;9;900;-891;-9900;\n", 3,
     "riga 3: la riga ha 2 campi"},
    {"one_field", "\n\n12345\n", "", 3, "riga 3: la riga ha 1 campo "},
    {"unterminated_quote", "1000;10;9\n1000;\"10;9\n", "1000;10;9;900;-891;-9900;\n", 2, "non è chiuso"},
    {"stray_quote", "1000;10;9\n1000;1\"0;9\n", "1000;10;9;900;-891;-9900;\n", 2, "virgolette fuori posto"},
    {"header_needs_three_fields", "A;B\n1;2;3\n", "", 1, "riga 1: la riga ha 2 campi"},
};

class BatchStops : public testing::TestWithParam<StopCase> {};

TEST_P(BatchStops, NamesTheLineAndKeepsEarlierRows) {
  const StopCase& c = GetParam();
  BatchRun run = RunRows(c.input, {.delimiter = ';',
                                   .separator = ',',
                                   .header = std::string_view(c.name).starts_with("header"),
                                   .award = {}});
  EXPECT_NE(run.error.find(c.messagePart), std::string::npos) << run.error;
  EXPECT_EQ(run.errorLine, c.line);
  EXPECT_EQ(run.output, c.outputBefore);
}

INSTANTIATE_TEST_SUITE_P(Table, BatchStops, testing::ValuesIn(kStopCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Rows whose computation failed are counted apart from rows not computed
// for an empty field; the title row is no row.
TEST(BatchCounts, RowsAndFailures) {
  auto in = cli_test::ReadableFile("A;B;C\n1000;10;9\n1000;10;0\n;10;9\nx;y;z\n");
  cli_test::File out(std::tmpfile());
  const BatchSummary summary =
      RunBatch(in.get(), out.get(), {.delimiter = ';', .separator = ',', .header = true, .award = {}});
  EXPECT_EQ(summary.rows, 4u);
  EXPECT_EQ(summary.failedRows, 2u);
}

TEST(BatchWriting, FullDeviceStopsWithTheLine) {
  std::string input;
  for (int i = 0; i < 20'000; ++i) input += "1000;10;9\n";
  auto in = cli_test::ReadableFile(input);
  cli_test::File full(std::fopen("/dev/full", "wb"));
  ASSERT_TRUE(full);
  try {
    RunBatch(in.get(), full.get(), {});
    FAIL() << "wrote to a full device";
  } catch (const BatchError& error) {
    EXPECT_NE(std::string(error.what()).find("scrittura dei risultati non riuscita"), std::string::npos);
    EXPECT_GT(error.line(), 0u);
  }
}

}  // namespace
}  // namespace cli
