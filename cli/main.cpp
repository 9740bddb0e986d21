// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// discordanza-cli: the discrepancy computation of the main window for scripts
// and for whole spreadsheets of bids; see cli/help_text.cpp for its usage.

#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/companion.h"

int main(int argc, char** argv) {
  std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return cli::RunCompanion(arguments, stdin, stdout, stderr);
}
