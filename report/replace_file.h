// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Writing a whole file so that no one ever finds it half written under its
// name: the bytes go to a temporary file beside the target, which then takes
// the target's place in one rename. Where the folder forbids creating the
// temporary file but the target exists and may be written, and where the
// target is not a regular file (a device, a pipe), the bytes are written in
// place instead; a failure there is reported like any other. A symbolic link
// stays a link: the file it points to is replaced. The window's "Salva" and
// the companion's --rtf both write through here.

#include <stdexcept>
#include <string>
#include <string_view>

namespace report {

// A file that could not be written. The stage tells whether nothing was
// touched (the file could not be created or opened: a missing folder, a
// folder in its place, a read-only file, no right to create it) or writing
// failed part way (a full disk, a failed rename); what() says it in Italian,
// naming the file and the system's reason.
class FileWriteError : public std::runtime_error {
 public:
  enum class Stage { Create, Write };
  FileWriteError(const std::string& path, Stage stage, int systemError);
  Stage stage() const { return stage_; }

 private:
  Stage stage_;
};

// Replaces (or creates) `path` with `bytes`. A replaced file keeps its
// permissions; a new one gets those the umask allows. A file that this
// process may not write, or that grants writing to nobody, is refused (a
// process with administrator rights may write anything, and would otherwise
// replace a read-only file without a word). On failure the temporary file is
// removed and a replaced file is left as it was. Raises FileWriteError.
void ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace report
