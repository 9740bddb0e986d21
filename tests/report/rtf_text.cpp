// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// rtf-text: the paragraphs of an RTF document as UTF-8, one line each, read
// by the tests' RTF reader, so that the tests written in Python (the web
// page's and the soak's) compare the texts of reports without a reader of
// their own.
//   rtf-text [FILE]   (standard input without FILE or with "-")
// Exits with 1 and says why on standard error where the lines would not be
// the document's whole text, line for line (see ParagraphLines), or where
// FILE cannot be read; with 2 on other arguments.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

#include "tests/report/rtf_reader.h"

namespace {

// The whole of `file`, or nothing after a read error (errno says which).
std::optional<std::string> ReadAll(std::FILE* file) {
  std::string bytes;
  char block[65536];
  std::size_t n;
  while ((n = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, n);
  if (std::ferror(file)) return std::nullopt;
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: rtf-text [FILE]\n";
    return 2;
  }
  const std::string name = argc == 2 ? argv[1] : "-";
  std::FILE* file = name == "-" ? stdin : std::fopen(name.c_str(), "rb");
  const std::optional<std::string> rtf = file ? ReadAll(file) : std::nullopt;
  if (!rtf) {
    const char* why = std::strerror(errno);
    std::cerr << "rtf-text: " << name << ": " << why << '\n';
    return 1;
  }
  if (file != stdin) std::fclose(file);
  try {
    const std::string lines = report::testing::ParagraphLines(*rtf);
    std::cout.write(lines.data(), static_cast<std::streamsize>(lines.size()));
    std::cout.flush();
    return std::cout ? 0 : 1;
  } catch (const std::exception& error) {
    std::cerr << "rtf-text: " << name << ": " << error.what() << '\n';
    return 1;
  }
}
