// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The companion as a whole: parses the command line, picks the decimal
// separator, runs the three-amount mode or the batch mode and turns every
// failure into a message on the error stream and an exit status.

#include <cstdio>
#include <span>
#include <string_view>

namespace cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a computation, reading or writing failed
inline constexpr int kExitUsage = 2;    // the command line is wrong

// `arguments` excludes the program name.
int RunCompanion(std::span<const std::string_view> arguments, std::FILE* input, std::FILE* output,
                 std::FILE* errors);

}  // namespace cli
