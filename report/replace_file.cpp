// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace report {
namespace {

using Stage = FileWriteError::Stage;

[[noreturn]] void Fail(const std::string& path, Stage stage, int error) {
  throw FileWriteError(path, stage, error);
}

// Closes the descriptor on every way out; Close reports the error of a
// deliberate close, which is where some file systems report a failed write.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// False with errno set when not every byte could be written.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::optional<struct stat> Status(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return status;
}

// The mode a new file gets from open(..., 0666): what the umask allows.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void WriteInPlace(const std::string& path, std::string_view bytes) {
  Descriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  if (file.get() < 0) Fail(path, Stage::Create, errno);
  if (!WriteAll(file.get(), bytes)) Fail(path, Stage::Write, errno);
  if (!file.Close()) Fail(path, Stage::Write, errno);
}

// Whether an existing regular file may be replaced: this process may write
// it, and its mode grants writing to someone.
bool MayReplace(const std::string& path, const struct stat& status) {
  return ::access(path.c_str(), W_OK) == 0 && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::string Folder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file that `path` names: a symbolic link's target, so that the link
// stays a link; `path` itself when it names nothing yet.
std::string Resolved(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
  return resolved ? std::string(resolved.get()) : path;
}

}  // namespace

FileWriteError::FileWriteError(const std::string& path, Stage stage, int systemError)
    : std::runtime_error("impossibile scrivere \"" + path + "\": " + std::strerror(systemError)),
      stage_(stage) {}

void ReplaceFile(const std::string& path, std::string_view bytes) {
  const std::optional<struct stat> target = Status(path);
  if (target && S_ISDIR(target->st_mode)) Fail(path, Stage::Create, EISDIR);
  if (target && !S_ISREG(target->st_mode)) return WriteInPlace(path, bytes);
  if (target && !MayReplace(path, *target)) Fail(path, Stage::Create, EACCES);
  const std::string file = target ? Resolved(path) : path;

  // 1. The temporary file, hidden, beside the file.
  std::string temporary = Folder(file) + "/.discordanza-XXXXXX";
  Descriptor temporaryFile(::mkostemp(temporary.data(), O_CLOEXEC));
  if (temporaryFile.get() < 0) {
    const int error = errno;
    if ((error == EACCES || error == EPERM) && target) return WriteInPlace(path, bytes);
    Fail(path, Stage::Create, error);
  }

  // 2. The bytes, the permissions, on disk; then the rename.
  const mode_t mode = target ? (target->st_mode & 07777) : NewFileMode();
  const bool written = WriteAll(temporaryFile.get(), bytes) && ::fchmod(temporaryFile.get(), mode) == 0 &&
                       ::fsync(temporaryFile.get()) == 0 && temporaryFile.Close() &&
                       ::rename(temporary.c_str(), file.c_str()) == 0;
  if (!written) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail(path, Stage::Write, error);
  }
}

}  // namespace report
