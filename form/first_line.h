// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The rule for text pasted or dropped into a field: a field holds one line,
// so a pasted text keeps what stands before its first line break (CR or LF);
// a spreadsheet cell copied with its CR LF pastes as the cell alone. Nothing
// else of a paste is filtered: reading the amount is the lenient reader's job.
//   "1.234,5\r\n"  → "1.234,5"
//   "abc\ndef"     → "abc"
//   "\n5"          → ""

#include <string_view>

namespace form {

std::string_view FirstLine(std::string_view pasted);

}  // namespace form
