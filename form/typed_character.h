// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The rules for characters typed into the amount fields, applied before the
// field sees them. The main form's three inputs take a typed point as the
// decimal point:
//   "0" … "9", ",", backspace (8), DEL (127) → kept as typed
//   "."                                      → the decimal separator
//   anything else (letters, spaces, signs, Enter, control characters,
//   characters beyond ASCII)                 → discarded, silently
// So under an Italian locale "12.5" typed becomes "12,5", and under a locale
// whose separator is "." it stays "12.5". The award check's own amounts take
// every character of an amount as written, "." and "-" included, so that a
// typed text reads as the same text pasted: "30.000,00" stays a thousands
// mark and the check refuses a misplaced one or a sign. Pasting is not
// typing and is not filtered (see first_line.h).

#include <optional>
#include <string>
#include <string_view>

namespace form {

enum class TypingRule {
  PointIsSeparator,  // the main form's three inputs
  AsWritten,         // the award check's safety and labour costs
};

// What the field receives for one typed character; nothing when discarded.
std::optional<char> KeptTypedCharacter(char32_t typed, char separator, TypingRule rule);

// A typed text of several characters (a composition, a browser's typed
// insertion), UTF-8, through the same rule one character at a time:
// "1.a5" → "1,5" with "," for a main input, "1.5" for an award amount.
std::string KeptTypedText(std::string_view typed, char separator, TypingRule rule);

}  // namespace form
