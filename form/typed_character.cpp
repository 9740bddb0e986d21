// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/typed_character.h"

namespace form {

std::optional<char> KeptTypedCharacter(char32_t typed, char separator, TypingRule rule) {
  const bool asWritten = rule == TypingRule::AsWritten;
  if (typed == U'.' && !asWritten) return separator;
  const bool kept = (typed >= U'0' && typed <= U'9') || typed == U',' || typed == 8 || typed == 127 ||
                    (asWritten && (typed == U'.' || typed == U'-'));
  if (!kept) return std::nullopt;
  return static_cast<char>(typed);
}

std::string KeptTypedText(std::string_view typed, char separator, TypingRule rule) {
  // Every kept character is ASCII, and every byte of a UTF-8 sequence beyond
  // ASCII is 0x80 or above, so going byte by byte drops those characters whole.
  std::string kept;
  for (const char byte : typed) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 0x80) continue;
    if (const std::optional<char> character = KeptTypedCharacter(code, separator, rule)) kept += *character;
  }
  return kept;
}

}  // namespace form
