// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/csv_writer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/csv_rows.h"
#include "stream_helpers.h"

namespace cli {
namespace {

struct WriteCase {
  const char* name;
  std::vector<std::string> fields;
  char delimiter;
  std::string expected;
};

std::string Row(const std::vector<std::string>& f, char delimiter) {
  std::string out;
  if (f.size() == 1) AppendCsvRow(out, {f[0]}, delimiter);
  if (f.size() == 3) AppendCsvRow(out, {f[0], f[1], f[2]}, delimiter);
  return out;
}

const WriteCase kWriteCases[] = {
    {"plain_fields_unquoted", {"1000", "12,5", "-891"}, ';', "1000;12,5;-891\n"},
    {"empty_fields", {"", "", ""}, ';', ";;\n"},
    {"inner_spaces_need_no_quotes", {"a b", "1\t2", ""}, ';', "a b;1\t2;\n"},
    {"outer_spaces_and_tabs_quoted", {" 1", "2 ", "\t"}, ';', "\" 1\";\"2 \";\"\t\"\n"},
    {"delimiter_quoted", {"1;5", "x", "y"}, ';', "\"1;5\";x;y\n"},
    {"other_delimiters_are_text", {"1,5", "a\tb", "c"}, ';', "1,5;a\tb;c\n"},
    {"comma_delimiter_quotes_decimal_comma", {"1,5", "2", "3"}, ',', "\"1,5\",2,3\n"},
    {"tab_delimiter", {"a\tb", "c;d", "e"}, '\t', "\"a\tb\"\tc;d\te\n"},
    {"quotes_doubled", {"say \"hi\"", "\"", "x"}, ';', "\"say \"\"hi\"\"\";\"\"\"\";x\n"},
    {"line_feed", {"a\nb", "c", "d"}, ';', "\"a\nb\";c;d\n"},
    {"carriage_return", {"a\rb", "c", "d"}, ';', "\"a\rb\";c;d\n"},
    {"single_field", {"x"}, ';', "x\n"},
    // Fields are tested eight bytes at a time: a special byte at each end of
    // a word, in a last word that overlaps, and none in long fields.
    {"special_at_word_ends",
     {"1234567;", ";2345678", "12345678;"},
     ';',
     "\"1234567;\";\";2345678\";\"12345678;\"\n"},
    {"special_in_overlapping_last_word",
     {"123456789\"12", "1234567890\n", "123456789012345\r"},
     ';',
     "\"123456789\"\"12\";\"1234567890\n\";\"123456789012345\r\"\n"},
    {"long_plain_fields",
     {"1234567890123456", "ottocentottantamiladuecentocinquantatré/50", "12345678"},
     ';',
     "1234567890123456;ottocentottantamiladuecentocinquantatré/50;12345678\n"},
    {"bytes_near_specials_are_text",
     {"\x0b\x0c\x0e:<!#", "\x80\xbb\xff", "\x3a\x3c\x21\x23\x09x"},
     ';',
     "\x0b\x0c\x0e:<!#;\x80\xbb\xff;\x3a\x3c\x21\x23\x09x\n"},
};

class CsvWriting : public testing::TestWithParam<WriteCase> {};

TEST_P(CsvWriting, QuotesOnlyWhereNeeded) {
  const WriteCase& c = GetParam();
  EXPECT_EQ(Row(c.fields, c.delimiter), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CsvWriting, testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Random texts drawn mostly from the characters that matter to quoting come
// back unchanged through the writer and the reader.
TEST(CsvRoundTrip, RandomFieldsSurvive) {
  std::mt19937 rng(20261208);
  const std::string alphabet = ";,\t\"\r\n 0123456789abc\xc3\xa8";
  for (char delimiter : {';', ',', '\t'}) {
    std::vector<std::vector<std::string>> rows;
    std::string text;
    for (int r = 0; r < 2000; ++r) {
      std::vector<std::string> fields(3);
      for (std::string& field : fields) {
        std::size_t length = rng() % 20;  // across the eight-byte words the writer tests
        for (std::size_t i = 0; i < length; ++i) field += alphabet[rng() % alphabet.size()];
      }
      if (fields[0].empty() && fields[1].empty() && fields[2].empty()) fields[0] = "x";  // not a blank line
      text += Row(fields, delimiter);
      rows.push_back(fields);
    }
    auto file = cli_test::ReadableFile(text);
    CsvRowReader reader(file.get(), delimiter, 3);
    for (const auto& expected : rows) {
      const CsvRow* row = reader.Next();
      ASSERT_NE(row, nullptr);
      ASSERT_EQ(row->fields, expected) << "delimiter " << int(delimiter);
    }
    EXPECT_EQ(reader.Next(), nullptr);
  }
}

TEST(CsvWriterStream, WritesEveryRowInOrder) {
  cli_test::File file(std::tmpfile());
  CsvWriter writer(file.get(), ';');
  std::string expected;
  for (int i = 0; i < 50'000; ++i) {  // several internal flushes
    std::string n = std::to_string(i);
    ASSERT_TRUE(writer.WriteRow({n, "a;b", ""}));
    expected += n + ";\"a;b\";\n";
  }
  ASSERT_TRUE(writer.Flush());
  EXPECT_EQ(cli_test::WrittenText(file.get()), expected);
}

TEST(CsvWriterStream, ReportsAFullDevice) {
  cli_test::File full(std::fopen("/dev/full", "wb"));
  ASSERT_TRUE(full);
  CsvWriter writer(full.get(), ';');
  bool written = true;
  for (int i = 0; i < 100'000 && written; ++i) written = writer.WriteRow({"1", "2", "3"});
  EXPECT_FALSE(written && writer.Flush());
  EXPECT_EQ(writer.failure(), ENOSPC);
  EXPECT_FALSE(writer.WriteRow({"1"}));  // stays failed
}

}  // namespace
}  // namespace cli
