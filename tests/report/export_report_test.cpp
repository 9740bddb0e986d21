// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The export from the six texts to a file, with the file name answered by the
// test: cancel, names as typed, and the messages the error box shows for each
// way of failing. How the file is written is ReplaceFile's, tested beside.
#include "report/export_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "report/export_error.h"
#include "report/report_rtf.h"
#include "tests/report/report_samples.h"

namespace report {
namespace {

namespace fs = std::filesystem;

class ExportReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "export_report_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  // Runs the export with every request for a name answered by `name`;
  // returns the message it raised, or nothing.
  std::optional<std::string> ExportTo(const std::optional<std::string>& name,
                                      const ReportFields& fields = testing::TypicalFields()) {
    try {
      ExportReport(fields, [&] {
        ++asked_;
        return name;
      });
      return std::nullopt;
    } catch (const ExportError& error) {
      return error.what();
    }
  }

  static std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  fs::path folder_;
  int asked_ = 0;
};

TEST_F(ExportReportTest, CancelWritesNothingAndRaisesNothing) {
  EXPECT_EQ(ExportTo(std::nullopt), std::nullopt);
  EXPECT_EQ(asked_, 1);
  EXPECT_EQ(Entries(), 0u);
}

// The name is used as typed, whatever its extension: the content is RTF.
TEST_F(ExportReportTest, WritesTheReportUnderTheNameAsTyped) {
  for (const char* name :
       {"Percentuale di discordanza.rtf", "report", "report.txt", "report.", "perch\u00e8 \u20ac.rtf"}) {
    EXPECT_EQ(ExportTo(Path(name)), std::nullopt) << name;
    EXPECT_EQ(Content(Path(name)), ReportRtf(testing::TypicalFields())) << name;
  }
  EXPECT_EQ(Entries(), 5u) << "no suffix added, no temporary file left";
}

TEST_F(ExportReportTest, ATextWithALineBreakStopsBeforeTheDialog) {
  EXPECT_EQ(ExportTo(Path("never.rtf"), testing::Fields("1\r\n2", "2", "3", "4", "5", "6")),
            "RichEdit line insertion error");
  EXPECT_EQ(asked_, 0);
  EXPECT_EQ(Entries(), 0u);
}

// Nothing touched: "Cannot create file" with the path as the dialog gave it;
// a failure part way: "Failed to Save Stream".
TEST_F(ExportReportTest, EachFailureHasTheMessageOfItsStage) {
  fs::create_directory(Path("folder.rtf"));
  std::ofstream(Path("read-only.rtf")) << "earlier";
  fs::permissions(Path("read-only.rtf"), fs::perms(0444));
  const struct {
    std::string path;
    std::string message;
  } rows[] = {
      {Path("folder.rtf"), "Cannot create file " + Path("folder.rtf")},
      {Path("missing/r.rtf"), "Cannot create file " + Path("missing/r.rtf")},
      {Path("read-only.rtf"), "Cannot create file " + Path("read-only.rtf")},
      {"/dev/full", "Failed to Save Stream"},
  };
  for (const auto& row : rows) EXPECT_EQ(ExportTo(row.path), row.message) << row.path;
  EXPECT_EQ(Content(Path("read-only.rtf")), "earlier");
}

}  // namespace
}  // namespace report
