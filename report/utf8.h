// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Reading UTF-8 text one character at a time. The report takes its texts as
// UTF-8 from any source (the window, the command line, the browser), so a
// malformed sequence is not an error: it reads as U+FFFD, one replacement per
// offending byte, and the text after it is read on.

#include <cstddef>
#include <string_view>

namespace report {

// The character that starts at text[*at], and *at moved past it. Requires
// *at < text.size(). Overlong forms, surrogates and values above U+10FFFF are
// malformed.
char32_t NextCodePoint(std::string_view text, std::size_t* at);

// How many UTF-16 code units the text holds: the unit in which the report
// buffer counts its length.
std::size_t Utf16Length(std::string_view text);

}  // namespace report
