#include "cli/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace cli {
namespace {

namespace fs = std::filesystem;

class ReplaceFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "replace_file_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
  }
  void TearDown() override {
    if (immutable_) std::system(("chattr -i '" + directory_.string() + "' 2>/dev/null").c_str());
    fs::permissions(directory_, fs::perms::owner_all);
    fs::remove_all(directory_);
  }

  std::string Path(const std::string& name) const { return (directory_ / name).string(); }

  static std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static void Write(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }

  std::size_t Entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(directory_), fs::directory_iterator()));
  }

  // Forbids creating files in the folder: its mode, and for a superuser,
  // whom the mode does not stop, the immutable attribute. False where
  // neither holds.
  bool ForbidCreating() {
    fs::permissions(directory_, fs::perms::owner_read | fs::perms::owner_exec);
    if (geteuid() == 0) {
      immutable_ = std::system(("chattr +i '" + directory_.string() + "' 2>/dev/null").c_str()) == 0;
    }
    const std::string probe = Path("probe");
    if (std::ofstream(probe)) {
      fs::remove(probe);
      return false;
    }
    return true;
  }

  fs::path directory_;
  bool immutable_ = false;
};

TEST_F(ReplaceFileTest, CreatesANewFileWithTheUmaskPermissions) {
  const mode_t mask = umask(022);
  ReplaceFile(Path("new.rtf"), "{\\rtf1}");
  umask(mask);
  EXPECT_EQ(Content(Path("new.rtf")), "{\\rtf1}");
  EXPECT_EQ(fs::status(Path("new.rtf")).permissions(), fs::perms(0644));
  EXPECT_EQ(Entries(), 1u);  // no temporary file left
}

TEST_F(ReplaceFileTest, ReplacesAFileKeepingItsPermissions) {
  Write(Path("old.rtf"), std::string(10'000, 'x'));
  fs::permissions(Path("old.rtf"), fs::perms(0640));
  ReplaceFile(Path("old.rtf"), "short");
  EXPECT_EQ(Content(Path("old.rtf")), "short");
  EXPECT_EQ(fs::status(Path("old.rtf")).permissions(), fs::perms(0640));
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(ReplaceFileTest, SymbolicLinkStaysALink) {
  fs::create_directory(Path("elsewhere"));
  Write(Path("elsewhere/real.rtf"), "old");
  fs::create_symlink(Path("elsewhere/real.rtf"), Path("link.rtf"));
  ReplaceFile(Path("link.rtf"), "new");
  EXPECT_TRUE(fs::is_symlink(Path("link.rtf")));
  EXPECT_EQ(Content(Path("elsewhere/real.rtf")), "new");
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(ReplaceFileTest, NameWithoutFolderIsInTheWorkingDirectory) {
  const fs::path previous = fs::current_path();
  fs::current_path(directory_);
  ReplaceFile("plain.rtf", "text");
  fs::current_path(previous);
  EXPECT_EQ(Content(Path("plain.rtf")), "text");
}

// Where no temporary file can be made beside it, a writable file is
// written in place.
TEST_F(ReplaceFileTest, WritesInPlaceWhereTheFolderForbidsCreating) {
  Write(Path("kept.rtf"), "old content, longer than the new one");
  fs::permissions(Path("kept.rtf"), fs::perms(0666));
  if (!ForbidCreating()) GTEST_SKIP() << "files can be created in any folder here";
  ReplaceFile(Path("kept.rtf"), "new");
  EXPECT_EQ(Content(Path("kept.rtf")), "new");
  try {
    ReplaceFile(Path("absent.rtf"), "new");
    FAIL() << "created a file in a folder that forbids it";
  } catch (const FileWriteError& error) {
    EXPECT_NE(std::string(error.what()).find(Path("absent.rtf")), std::string::npos) << error.what();
  }
}

struct FailureCase {
  const char* name;
  std::string target;  // relative to the test folder unless absolute
  const char* reason;
};

class ReplaceFileFailure : public ReplaceFileTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(ReplaceFileFailure, NamesTheFileAndTheReasonAndLeavesNothing) {
  const FailureCase& c = GetParam();
  fs::create_directory(Path("folder"));
  const std::string target = c.target.starts_with("/") ? c.target : Path(c.target);
  try {
    ReplaceFile(target, "{\\rtf1}");
    FAIL() << "wrote " << target;
  } catch (const FileWriteError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("impossibile scrivere \"" + target + "\": " + c.reason), std::string::npos)
        << message;
  }
  EXPECT_EQ(Entries(), 1u);  // the folder alone: no temporary file left
}

const FailureCase kFailures[] = {
    {"missing_folder", "missing/report.rtf", "No such file or directory"},
    {"folder_as_target", "folder", "Is a directory"},
    {"full_device", "/dev/full", "No space left on device"},
};

INSTANTIATE_TEST_SUITE_P(Table, ReplaceFileFailure, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cli
