// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/replace_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace report {
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
  // neither holds; a failure when chattr, which sets the attribute, is
  // missing (the shell's status 127).
  bool ForbidCreating() {
    fs::permissions(directory_, fs::perms::owner_read | fs::perms::owner_exec);
    if (geteuid() == 0) {
      const int status = std::system(("chattr +i '" + directory_.string() + "' 2>/dev/null").c_str());
      if (WIFEXITED(status) && WEXITSTATUS(status) == 127)
        ADD_FAILURE() << "chattr is not installed: its Debian package is e2fsprogs";
      immutable_ = status == 0;
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
  FileWriteError::Stage stage;
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
    EXPECT_EQ(error.stage(), c.stage) << message;
  }
  EXPECT_EQ(Entries(), 1u);  // the folder alone: no temporary file left
}

using Stage = FileWriteError::Stage;
const FailureCase kFailures[] = {
    {"missing_folder", "missing/report.rtf", "No such file or directory", Stage::Create},
    {"folder_as_target", "folder", "Is a directory", Stage::Create},
    {"full_device", "/dev/full", "No space left on device", Stage::Write},
};

INSTANTIATE_TEST_SUITE_P(Table, ReplaceFileFailure, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// Even for a process that may write anything, a file whose mode grants
// writing to nobody is not replaced.
TEST_F(ReplaceFileTest, AReadOnlyFileIsRefusedAndStaysAsItWas) {
  Write(Path("kept.rtf"), "earlier report");
  fs::permissions(Path("kept.rtf"), fs::perms(0444));
  try {
    ReplaceFile(Path("kept.rtf"), "new");
    FAIL() << "replaced a read-only file";
  } catch (const FileWriteError& error) {
    EXPECT_EQ(error.stage(), Stage::Create) << error.what();
  }
  EXPECT_EQ(Content(Path("kept.rtf")), "earlier report");
  EXPECT_EQ(Entries(), 1u);
}

// Files of the process may not grow beyond `bytes` for the scope of the
// object: writes beyond fail as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, old_.rlim_max};
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t oldHandler_;
};

// A write that fails part way, small or large, leaves the earlier file
// exactly as it was and no temporary file beside it.
TEST_F(ReplaceFileTest, AFailureHalfWayLeavesTheEarlierFileIntact) {
  for (const std::size_t size : {std::size_t{400}, std::size_t{200'000}}) {
    Write(Path("kept.rtf"), "earlier report");
    bool failed = false;
    {
      const FileSizeLimit limit(300);
      try {
        ReplaceFile(Path("kept.rtf"), std::string(size, 'x'));
      } catch (const FileWriteError& error) {
        failed = error.stage() == Stage::Write;
      }
    }
    EXPECT_TRUE(failed) << size;
    EXPECT_EQ(Content(Path("kept.rtf")), "earlier report") << size;
    EXPECT_EQ(Entries(), 1u) << size;
  }
}

// Without administrator rights for the scope of the object (as nobody in
// nogroup): a process that has them would write into any folder.
class WithoutAdministratorRights {
 public:
  WithoutAdministratorRights() : dropped_(geteuid() == 0) {
    if (dropped_) {
      EXPECT_EQ(setegid(65534), 0) << "cannot join nogroup";
      EXPECT_EQ(seteuid(65534), 0) << "cannot become nobody";
    }
  }
  ~WithoutAdministratorRights() {
    if (dropped_) {
      EXPECT_EQ(seteuid(0), 0);
      EXPECT_EQ(setegid(0), 0);
    }
  }
  WithoutAdministratorRights(const WithoutAdministratorRights&) = delete;
  WithoutAdministratorRights& operator=(const WithoutAdministratorRights&) = delete;

 private:
  bool dropped_;
};

// In a folder without create rights a new file cannot be made, while an
// existing file that others may write is written in place, wholly.
TEST_F(ReplaceFileTest, AFolderWithoutCreateRightsStillLetsAWritableFileBeReplaced) {
  fs::create_directory(Path("locked"));
  Write(Path("locked/earlier.rtf"), std::string(100'000, 'x'));
  fs::permissions(Path("locked/earlier.rtf"), fs::perms(0666));
  fs::permissions(directory_, fs::perms(0755));
  fs::permissions(Path("locked"), fs::perms(0555));
  std::optional<Stage> newFailure;
  bool replaced = false;
  {
    const WithoutAdministratorRights user;
    try {
      ReplaceFile(Path("locked/new.rtf"), "new");
    } catch (const FileWriteError& error) {
      newFailure = error.stage();
    }
    ReplaceFile(Path("locked/earlier.rtf"), "new");
    replaced = true;
  }
  fs::permissions(Path("locked"), fs::perms::owner_all);
  EXPECT_EQ(newFailure, Stage::Create);
  EXPECT_TRUE(replaced);
  EXPECT_EQ(Content(Path("locked/earlier.rtf")), "new");
  EXPECT_FALSE(fs::exists(Path("locked/new.rtf")));
}

}  // namespace
}  // namespace report
