#pragma once
// Writing a whole file so that no one ever finds it half written under its
// name: the bytes go to a temporary file beside the target, which then takes
// the target's place in one rename. Where the folder forbids creating the
// temporary file but the target exists and may be written, and where the
// target is not a regular file (a device, a pipe), the bytes are written in
// place instead; a failure there is reported like any other. A symbolic link
// stays a link: the file it points to is replaced.

#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

// A file that could not be written; the message, in Italian, names the file
// and the system's reason.
class FileWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Replaces (or creates) `path` with `bytes`. A replaced file keeps its
// permissions; a new one gets those the umask allows. On failure the
// temporary file is removed and a replaced file is left as it was. Raises
// FileWriteError.
void ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace cli
