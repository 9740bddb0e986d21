// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Real C streams over test data: a readable temporary file holding given
// bytes, and a writable stream whose bytes can be read back.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace cli_test {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

inline File ReadableFile(std::string_view content) {
  File file(std::tmpfile());
  if (file) {
    std::fwrite(content.data(), 1, content.size(), file.get());
    std::rewind(file.get());
  }
  return file;
}

// Everything written to `file` so far.
inline std::string WrittenText(std::FILE* file) {
  std::fflush(file);
  std::string text;
  std::rewind(file);
  char block[4096];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, n);
  return text;
}

}  // namespace cli_test
