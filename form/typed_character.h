// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The rule for characters typed into the three input fields, applied before
// the field sees them. Only what an amount is made of gets through:
//   "0" … "9", ",", backspace (8), DEL (127) → kept as typed
//   "."                                      → the decimal separator
//   anything else (letters, spaces, signs, Enter, control characters,
//   characters beyond ASCII)                 → discarded, silently
// So under an Italian locale "12.5" typed becomes "12,5", and under a locale
// whose separator is "." it stays "12.5": a typed point always means the
// decimal point. Pasting is not typing and is not filtered (see first_line.h).

#include <optional>
#include <string>
#include <string_view>

namespace form {

// What the field receives for one typed character; nothing when discarded.
std::optional<char> KeptTypedCharacter(char32_t typed, char separator);

// A typed text of several characters (a composition, a browser's typed
// insertion), UTF-8, through the same rule one character at a time:
// "1.a5" → "1,5" with ",".
std::string KeptTypedText(std::string_view typed, char separator);

}  // namespace form
