// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/csv_rows.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "stream_helpers.h"

namespace cli {
namespace {

using cli_test::ReadableFile;

struct ExpectedRow {
  std::size_t line;
  std::size_t fieldCount;
  std::vector<std::string> fields;  // the kept ones
  bool extraFieldsEmpty = true;
  bool operator==(const ExpectedRow&) const = default;
};

void PrintTo(const ExpectedRow& row, std::ostream* out) {
  *out << "line " << row.line << ", " << row.fieldCount << " fields:";
  for (const std::string& field : row.fields) *out << " [" << field << "]";
  if (!row.extraFieldsEmpty) *out << " and text beyond them";
}

// Where the reader takes its bytes from: every case below must read the same
// from a file and from memory.
enum class Source { File, Memory };
constexpr Source kSources[] = {Source::File, Source::Memory};

const char* Name(Source source) { return source == Source::File ? "from a file" : "from memory"; }

// A reader of `content`, from a temporary file or from memory.
struct SourceReader {
  SourceReader(Source source, std::string_view content, char delimiter = ';', std::size_t kept = 3) {
    if (source == Source::File) {
      file = ReadableFile(content);
      reader.emplace(file.get(), delimiter, kept);
    } else {
      reader.emplace(content, delimiter, kept);
    }
  }
  cli_test::File file;
  std::optional<CsvRowReader> reader;
};

std::vector<ExpectedRow> ReadAll(std::string_view content, char delimiter = ';', std::size_t kept = 3,
                                 Source source = Source::File) {
  SourceReader input(source, content, delimiter, kept);
  std::vector<ExpectedRow> rows;
  while (const CsvRow* row = input.reader->Next()) {
    rows.push_back({row->line, row->fieldCount, row->fields, row->extraFieldsEmpty});
  }
  return rows;
}

struct ReadCase {
  const char* name;
  std::string content;
  std::vector<ExpectedRow> rows;
  char delimiter = ';';
};

const ReadCase kReadCases[] = {
    {"plain_rows", "1;2;3\n4;5;6\n", {{1, 3, {"1", "2", "3"}}, {2, 3, {"4", "5", "6"}}}},
    {"no_final_line_end", "1;2;3\n4;5;6", {{1, 3, {"1", "2", "3"}}, {2, 3, {"4", "5", "6"}}}},
    {"crlf", "1;2;3\r\n4;5;6\r\n", {{1, 3, {"1", "2", "3"}}, {2, 3, {"4", "5", "6"}}}},
    {"lone_cr", "1;2;3\r4;5;6", {{1, 3, {"1", "2", "3"}}, {2, 3, {"4", "5", "6"}}}},
    {"lone_cr_blank_lines_counted",
     "\r\r1;2;3\r\r4;5;6\r",
     {{3, 3, {"1", "2", "3"}}, {5, 3, {"4", "5", "6"}}}},
    {"cr_then_spaces_then_lf_are_two_line_ends",
     "1;2;3\r  \n4;5;6\n",
     {{1, 3, {"1", "2", "3"}}, {3, 3, {"4", "5", "6"}}}},
    {"crlf_counts_once_beside_lone_cr",
     "1;2;3\r\n\r4;5;6\r\n\n7;8;9\r",
     {{1, 3, {"1", "2", "3"}}, {3, 3, {"4", "5", "6"}}, {5, 3, {"7", "8", "9"}}}},
    {"lone_cr_inside_quotes_counts",
     "\"a\rb\";\"\r\";c\r;\"\";d\r",
     {{1, 3, {"a\rb", "\r", "c"}}, {4, 3, {"", "", "d"}}}},
    {"cr_after_quoted_field_then_lf_row",
     "\"a\r\";b;c\n;;\n",
     {{1, 3, {"a\r", "b", "c"}}, {3, 3, {"", "", ""}}}},
    {"blank_lines_skipped_but_counted",
     "\n1;2;3\n\r\n\n4;5;6\n\n",
     {{2, 3, {"1", "2", "3"}}, {5, 3, {"4", "5", "6"}}}},
    {"empty_input", "", {}},
    {"lines_of_spaces_are_blank",
     "   \n1;2;3\n \r\n  \r4;5;6\n ",
     {{2, 3, {"1", "2", "3"}}, {5, 3, {"4", "5", "6"}}}},
    {"quoted_spaces_are_a_field", "\"  \"\n", {{1, 1, {"  "}}}},
    {"line_of_spaces_and_tabs_is_blank", " \t \n1;2;3\n", {{2, 3, {"1", "2", "3"}}}},
    {"spaces_before_opening_quote_dropped", "1; \"2;5\";   \"\"\"3\"\n", {{1, 3, {"1", "2;5", "\"3"}}}},
    {"spaces_after_closing_quote_dropped", "\"1\" ;\"2\"\t;\"3\"  \r\n", {{1, 3, {"1", "2", "3"}}}},
    {"empty_last_field_at_end_of_input", "a;b;c\n1;2;", {{1, 3, {"a", "b", "c"}}, {2, 3, {"1", "2", ""}}}},
    {"trailing_delimiter", "1;2;3;\n4;5;6;\"\"", {{1, 4, {"1", "2", "3"}}, {2, 4, {"4", "5", "6"}}}},
    {"several_empty_extra_fields", "1;2;3;;;\n", {{1, 6, {"1", "2", "3"}}}},
    {"extra_field_with_text", "1;2;3;;x\n", {{1, 5, {"1", "2", "3"}, false}}},
    {"extra_field_of_spaces_is_empty", "1;2;3; \t\n", {{1, 4, {"1", "2", "3"}}}},
    {"extra_field_of_quoted_space_is_text", "1;2;3;\" \"\n", {{1, 4, {"1", "2", "3"}, false}}},
    {"spaces_before_empty_quoted_extra_field", "1;2;3;  \"\"\n", {{1, 4, {"1", "2", "3"}}}},
    {"padding_around_unquoted_fields_dropped", " 1 ;\t2,5 ;3 \t\n", {{1, 3, {"1", "2,5", "3"}}}},
    {"inner_spaces_kept", "1 000; 2 ,\t5;\" 3 \"\n", {{1, 3, {"1 000", "2 ,\t5", " 3 "}}}},
    {"field_of_spaces_is_empty", "1;   ;3\n", {{1, 3, {"1", "", "3"}}}},
    {"empty_fields", ";;\n1;;3\n", {{1, 3, {"", "", ""}}, {2, 3, {"1", "", "3"}}}},
    {"quoted_empty_field", "\"\";\"\";\"\"\n", {{1, 3, {"", "", ""}}}},
    {"quoted_delimiter", "\"1;000\";2;3\n", {{1, 3, {"1;000", "2", "3"}}}},
    {"doubled_quotes", "\"say \"\"hi\"\"\";2;\"\"\"\"\n", {{1, 3, {"say \"hi\"", "2", "\""}}}},
    {"newlines_inside_quotes",
     "\"a\nb\";\"c\r\nd\";e\nf;g;h\n",
     {{1, 3, {"a\nb", "c\r\nd", "e"}}, {4, 3, {"f", "g", "h"}}}},
    {"any_bytes", "\xe2\x82\xac 12;\x7f;\x01\n", {{1, 3, {"\xe2\x82\xac 12", "\x7f", "\x01"}}}},
    {"two_fields", "1;2\n", {{1, 2, {"1", "2"}}}},
    {"four_fields_three_kept", "1;2;3;4\n", {{1, 4, {"1", "2", "3"}, false}}},
    {"one_field", "abc\n", {{1, 1, {"abc"}}}},
    {"comma_delimiter", "\"1,5\",2,3\n", {{1, 3, {"1,5", "2", "3"}}}, ','},
    {"tab_delimiter", "1\t 2 \t3\n", {{1, 3, {"1", "2", "3"}}}, '\t'},
    {"tab_delimiter_empty_fields", "\t\t3\t\n", {{1, 4, {"", "", "3"}}}, '\t'},
    {"byte_order_mark_not_in_first_field",
     "\xEF\xBB\xBF\"Base;\";B;C\n1;2;3\n",
     {{1, 3, {"Base;", "B", "C"}}, {2, 3, {"1", "2", "3"}}}},
    {"byte_order_mark_only_at_the_start",
     "1;2;3\n\xEF\xBB\xBF;5;6\n",
     {{1, 3, {"1", "2", "3"}}, {2, 3, {"\xEF\xBB\xBF", "5", "6"}}}},
    {"semicolon_is_text_with_tab", "1;2\t3\t4\n", {{1, 3, {"1;2", "3", "4"}}}, '\t'},
};

class CsvReading : public testing::TestWithParam<ReadCase> {};

TEST_P(CsvReading, GivesRowsWithTheirLines) {
  const ReadCase& c = GetParam();
  for (Source source : kSources)
    EXPECT_EQ(ReadAll(c.content, c.delimiter, 3, source), c.rows) << Name(source);
}

INSTANTIATE_TEST_SUITE_P(Table, CsvReading, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct MalformedCase {
  const char* name;
  std::string content;
  std::size_t rowsBefore;  // rows delivered before the error
  std::size_t line;        // the line the error names
};

const MalformedCase kMalformedCases[] = {
    {"unterminated_quote_at_end", "1;2;3\n4;\"5;6\n7;8;9\n", 1, 2},
    {"unterminated_quote_first_row", "\"1;2;3", 0, 1},
    {"quote_inside_unquoted_field", "1;2;3\n4;5\"x;6\n", 1, 2},
    {"text_after_closing_quote", "1;2;3\n\n\"4\"x;5;6\n", 1, 3},
    {"quote_after_closing_quote_and_space", "\"1\" \"2\";2;3\n", 0, 1},
    {"quote_after_text_and_space", "1;x \"2\";3\n", 0, 1},
    {"stray_quote_on_lone_cr_line", "1;2;3\r\r4;5\"x;6\r", 1, 3},
    {"unterminated_quote_after_crlf_lines", "1;2;3\r\n4;5;6\r\n\"7;8;9\r\n", 2, 3},
    {"stray_quote_after_multiline_field", "\"a\n\nb\";c;d\ne;f\"g;h\n", 1, 4},
};

class MalformedCsv : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedCsv, RaisesErrorNamingTheLine) {
  const MalformedCase& c = GetParam();
  for (Source source : kSources) {
    SCOPED_TRACE(Name(source));
    SourceReader input(source, c.content);
    std::size_t rows = 0;
    try {
      while (input.reader->Next()) ++rows;
      ADD_FAILURE() << "accepted";
    } catch (const CsvReadError& error) {
      EXPECT_EQ(error.line(), c.line) << error.what();
    }
    EXPECT_EQ(rows, c.rowsBefore);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, MalformedCsv, testing::ValuesIn(kMalformedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Rows and fields that straddle the reader's internal blocks come back whole,
// with their line numbers right.
TEST(CsvReadingLarge, RowsAcrossBlocksKeepTextAndLines) {
  std::string content;
  std::string longField(200'000, '7');
  const std::size_t rowCount = 20'000;
  for (std::size_t i = 0; i < rowCount; ++i) {
    if (i == 5'000) {
      content += "\"" + longField + "\n\";x;y\n";  // spans two lines
    } else {
      content += std::to_string(i) + ";\"a\"\"b\";c\r\n";
    }
  }
  for (Source source : kSources) {
    SCOPED_TRACE(Name(source));
    auto rows = ReadAll(content, ';', 3, source);
    ASSERT_EQ(rows.size(), rowCount);
    EXPECT_EQ(rows[5'000].fields[0], longField + "\n");
    EXPECT_EQ(rows[5'000].line, 5'001u);
    EXPECT_EQ(rows[5'001].line, 5'003u);
    EXPECT_EQ(rows.back().line, rowCount + 1);
    EXPECT_EQ(rows.back().fields, (std::vector<std::string>{std::to_string(rowCount - 1), "a\"b", "c"}));
  }
}

// A CR LF pair that the reader's 64 KiB input blocks cut in two is still one
// line end.
TEST(CsvReadingLarge, CrLfAcrossBlocksCountsOnce) {
  for (std::size_t length = 65'530; length <= 65'540; ++length) {
    const std::string first = "1;2;" + std::string(length - 4, '7');
    auto rows = ReadAll(first + "\r\n4;5;6\r\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fields[2], first.substr(4));
    EXPECT_EQ(rows[1].line, 2u) << "first line of " << length << " bytes";
  }
}

// The same malformed row far into a file is reported on the line an editor
// shows, whatever the line ends.
TEST(CsvReadingLarge, MalformedRowLineWithEveryLineEnd) {
  const std::size_t badLine = 100'008;
  for (std::string_view lineEnd : {"\n", "\r\n", "\r"}) {
    std::string content;
    for (std::size_t line = 1; line < badLine; ++line) {
      content += line % 10 == 0 ? std::string(lineEnd) : "1;2;\"3\"" + std::string(lineEnd);
    }
    content += "4;5\"x;6" + std::string(lineEnd) + "7;8;9" + std::string(lineEnd);
    auto file = ReadableFile(content);
    CsvRowReader reader(file.get(), ';', 3);
    try {
      while (reader.Next()) {
      }
      FAIL() << "accepted";
    } catch (const CsvReadError& error) {
      EXPECT_EQ(error.line(), badLine) << "line end "
                                       << (lineEnd == "\r"   ? "CR"
                                           : lineEnd == "\n" ? "LF"
                                                             : "CR LF");
    }
  }
}

// A UTF-16 input is refused before its first row, whatever it holds, with a
// message naming its encoding.
TEST(CsvReadingEncoding, Utf16IsRefusedBeforeAnyRow) {
  struct Case {
    std::string content;
    const char* encoding;
  };
  const Case cases[] = {
      {std::string("\xFF\xFE"
                   "1\0;\0"
                   "2\0;\0"
                   "3\0\n\0",
                   14),
       "UTF-16 LE"},
      {std::string("\xFE\xFF"
                   "\0"
                   "1\0;\0"
                   "2\0;\0"
                   "3\0\n",
                   14),
       "UTF-16 BE"},
      {"\xFF\xFE", "UTF-16 LE"},
  };
  for (const Case& c : cases) {
    for (Source source : kSources) {
      SourceReader input(source, c.content);
      try {
        input.reader->Next();
        ADD_FAILURE() << "read " << c.encoding << " " << Name(source);
      } catch (const CsvReadError& error) {
        EXPECT_NE(std::string(error.what()).find(c.encoding), std::string::npos) << error.what();
        EXPECT_EQ(error.line(), 1u);
      }
    }
  }
}

TEST(CsvReadingByteOrderMark, IsReportedOnlyWhenPresent) {
  for (std::string_view content : {"\xEF\xBB\xBF"
                                   "1;2;3\n",
                                   "1;2;3\n",
                                   "\xEF\xBB"
                                   "1;2;3\n"}) {
    for (Source source : kSources) {
      SourceReader input(source, content);
      ASSERT_NE(input.reader->Next(), nullptr);
      EXPECT_EQ(input.reader->startedWithByteOrderMark(), content.starts_with("\xEF\xBB\xBF"))
          << content << " " << Name(source);
    }
  }
}

TEST(CsvReadingFailure, UnreadableStreamIsAnError) {
  cli_test::File directory(std::fopen("/", "rb"));  // opens, but every read fails
  ASSERT_TRUE(directory);
  CsvRowReader reader(directory.get(), ';', 3);
  try {
    reader.Next();
    FAIL() << "read a directory";
  } catch (const CsvReadError& error) {
    EXPECT_NE(std::string(error.what()).find("errore di lettura"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace cli
