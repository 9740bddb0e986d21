// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The edits the form fuzzers make to a field's text, read from the input:
// a paste at the caret (its first line, as the fields keep it) and the
// deletion of a selection. Each returns false once the input is used up.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "form/first_line.h"
#include "tests/fuzz/fuzz_bytes.h"

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
