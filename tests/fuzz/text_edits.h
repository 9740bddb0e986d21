// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The edits the form fuzzers make to a field's text, read from the input:
// a character typed at the caret (through the fields' typed-character rule),
// a paste at the caret (its first line, as the fields keep it) and the
// deletion of a selection. Each tells when the input is used up.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/decimal_separator.h"
#include "form/first_line.h"
#include "form/typed_character.h"
#include "tests/fuzz/fuzz_bytes.h"

enum class TypedEdit {
  InputUsedUp,
  Unchanged,  // a character the field discards, or a deletion with nothing to delete
  Changed,
};

// A key typed at the caret, through the field's rule: a kept character is
// inserted, backspace (8) and delete (127) remove the character before or
// after the caret.
inline TypedEdit TypeAtCaret(FuzzBytes& bytes, std::string& text, form::TypingRule rule) {
  const std::optional<std::uint8_t> typed = bytes.Next();
  const std::optional<std::uint8_t> caret = bytes.Next();
  if (!typed || !caret) return TypedEdit::InputUsedUp;
  const std::size_t at = *caret % (text.size() + 1);
  const std::optional<char> kept = form::KeptTypedCharacter(*typed, calc::DecimalSeparator(), rule);
  if (!kept) return TypedEdit::Unchanged;
  if (*kept == 8) {
    if (at == 0) return TypedEdit::Unchanged;
    text.erase(at - 1, 1);
  } else if (*kept == 127) {
    if (at == text.size()) return TypedEdit::Unchanged;
    text.erase(at, 1);
  } else {
    text.insert(at, 1, *kept);
  }
  return TypedEdit::Changed;
}

// A paste of at most longestPaste bytes (every length when it is 256).
inline bool PasteAtCaret(FuzzBytes& bytes, std::string& text, std::size_t longestPaste) {
  const std::optional<std::uint8_t> length = bytes.Next();
  const std::optional<std::uint8_t> caret = bytes.Next();
  if (!length || !caret) return false;
  const std::optional<std::string_view> pasted = bytes.Text(*length % longestPaste);
  if (!pasted) return false;
  text.insert(*caret % (text.size() + 1), form::FirstLine(*pasted));
  return true;
}

inline bool DeleteSelection(FuzzBytes& bytes, std::string& text) {
  const std::optional<std::uint8_t> start = bytes.Next();
  const std::optional<std::uint8_t> length = bytes.Next();
  if (!start || !length) return false;
  const std::size_t from = *start % (text.size() + 1);
  text.erase(from, *length % (text.size() - from + 1));
  return true;
}
