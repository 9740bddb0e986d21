// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/decimal_separator.h"

#include <gtest/gtest.h>
#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The variables the numeric locale is chosen and found by; each test sets
// them and the originals come back afterwards.
constexpr const char* kVariables[] = {"LC_ALL", "LC_NUMERIC", "LANG", "LOCPATH"};

class LocaleEnvironment : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (std::size_t i = 0; i < saved_.size(); ++i) Set(kVariables[i], saved_[i]);
    calc::SetDecimalSeparator('.');
  }
  static void Set(const char* name, const std::optional<std::string>& value) {
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }

 private:
  std::vector<std::optional<std::string>> saved_;
};

struct LocaleRow {
  const char* name;
  std::optional<std::string> lcAll;
  std::optional<std::string> lcNumeric;
  std::optional<std::string> lang;
  char expected;
};

TEST_F(LocaleEnvironment, ItalianLocaleIsInstalled) {
  locale_t italian = newlocale(LC_NUMERIC_MASK, "it_IT.UTF-8", static_cast<locale_t>(0));
  ASSERT_NE(italian, static_cast<locale_t>(0)) << "generate it with: localedef -i it_IT -f UTF-8 it_IT.UTF-8";
  freelocale(italian);
}

TEST_F(LocaleEnvironment, ChoosesTheNumericLocaleAsTheCLibraryDoes) {
  const std::string it = "it_IT.UTF-8";
  const std::string c = "C.UTF-8";
  const LocaleRow rows[] = {
      {"ItalianEverywhere", it, it, it, ','},
      {"LcAllWins", c, it, it, '.'},
      {"LcAllItalian", it, c, c, ','},
      {"EmptyLcAllFallsThrough", std::string(), it, c, ','},
      {"UnsetLcAllFallsThrough", std::nullopt, it, c, ','},
      {"LcNumericBeforeLang", std::nullopt, c, it, '.'},
      {"LangLast", std::nullopt, std::nullopt, it, ','},
      {"EmptyLcNumericFallsThrough", std::nullopt, std::string(), it, ','},
      {"NothingSet", std::nullopt, std::nullopt, std::nullopt, '.'},
      {"CUtf8", c, std::nullopt, std::nullopt, '.'},
      {"BogusLocale", std::string("xx_NOWHERE.UTF-8"), it, it, '.'},
  };
  for (const LocaleRow& row : rows) {
    Set("LC_ALL", row.lcAll);
    Set("LC_NUMERIC", row.lcNumeric);
    Set("LANG", row.lang);
    EXPECT_EQ(calc::LocaleDecimalSeparator(), row.expected) << row.name;
  }
}

// Which locale was named, by which variable, and whether the system has it:
// what a program needs to warn that a named locale is missing.
TEST_F(LocaleEnvironment, TellsWhichLocaleWasNamedAndWhetherItLoaded) {
  struct Row {
    const char* name;
    std::optional<std::string> lcAll, lcNumeric, lang;
    calc::NumericLocale expected;
  };
  const Row rows[] = {
      {"Italian",
       std::nullopt,
       std::nullopt,
       "it_IT.UTF-8",
       {.name = "it_IT.UTF-8", .variable = "LANG", .loaded = true, .separator = ','}},
      {"MissingFromLang",
       std::string(),
       std::nullopt,
       "xx_NOWHERE",
       {.name = "xx_NOWHERE", .variable = "LANG", .loaded = false, .separator = '.'}},
      {"MissingFromLcNumeric",
       std::nullopt,
       "xx_NOWHERE.UTF-8",
       "it_IT.UTF-8",
       {.name = "xx_NOWHERE.UTF-8", .variable = "LC_NUMERIC", .loaded = false, .separator = '.'}},
      {"NothingNamed",
       std::nullopt,
       std::nullopt,
       std::nullopt,
       {.name = "C", .variable = "", .loaded = true, .separator = '.'}},
  };
  for (const Row& row : rows) {
    Set("LC_ALL", row.lcAll);
    Set("LC_NUMERIC", row.lcNumeric);
    Set("LANG", row.lang);
    const calc::NumericLocale actual = calc::ReadNumericLocale();
    EXPECT_EQ(actual.name, row.expected.name) << row.name;
    EXPECT_EQ(actual.variable, row.expected.variable) << row.name;
    EXPECT_EQ(actual.loaded, row.expected.loaded) << row.name;
    EXPECT_EQ(actual.separator, row.expected.separator) << row.name;
  }
}

TEST_F(LocaleEnvironment, LoadSetsTheProcessWideSeparator) {
  Set("LC_ALL", "it_IT.UTF-8");
  calc::SetDecimalSeparator('.');
  calc::LoadDecimalSeparator();
  EXPECT_EQ(calc::DecimalSeparator(), ',');
  Set("LC_ALL", "C.UTF-8");
  calc::LoadDecimalSeparator();
  EXPECT_EQ(calc::DecimalSeparator(), '.');
}

// A locale whose decimal separator is two bytes (U+066B in UTF-8), generated
// from the system's locale sources into a private directory for this test.
TEST_F(LocaleEnvironment, TwoByteSeparatorGivesPoint) {
  char pattern[] = "/tmp/discordanza-locale-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path directory = pattern;
  const std::string command =
      "localedef -i ps_AF -f UTF-8 '" + (directory / "ps_AF.UTF-8").string() + "' >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  Set("LOCPATH", directory.string());
#if defined(__SANITIZE_ADDRESS__)
  // The C library keeps the split LOCPATH of every locale it loads through it
  // and never frees it; that is not this code's leak.
  __lsan_disable();
#endif
  locale_t pashto = newlocale(LC_NUMERIC_MASK, "ps_AF.UTF-8", static_cast<locale_t>(0));
  if (pashto != static_cast<locale_t>(0)) {
    EXPECT_EQ(std::strlen(nl_langinfo_l(RADIXCHAR, pashto)), 2u);
    freelocale(pashto);
  }
  Set("LC_ALL", "ps_AF.UTF-8");
  const char separator = calc::LocaleDecimalSeparator();
#if defined(__SANITIZE_ADDRESS__)
  __lsan_enable();
#endif
  std::filesystem::remove_all(directory);
  ASSERT_NE(pashto, static_cast<locale_t>(0)) << "localedef exit status " << status;
  EXPECT_EQ(separator, '.');
}

// The one-byte rule, as the browser's number format hands its point in too.
TEST(SeparatorFromDecimalPointTest, OneAsciiCharacterOrPoint) {
  const struct {
    const char* point;
    char separator;
  } rows[] = {
      {",", ','}, {".", '.'}, {"'", '\''}, {"", '.'}, {",,", '.'}, {"\xd9\xab", '.'}, {"\xb7", '.'},
  };
  for (const auto& row : rows)
    EXPECT_EQ(calc::SeparatorFromDecimalPoint(row.point), row.separator) << row.point;
}

}  // namespace
