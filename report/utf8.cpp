// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/utf8.h"

namespace report {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t* at) {
  const auto lead = static_cast<unsigned char>(text[*at]);
  ++*at;
  if (lead < 0x80) return lead;

  // 1. The length that the lead byte announces and its payload bits.
  std::size_t trailing = 0;
  char32_t value = 0;
  char32_t smallest = 0;  // below this the form is overlong
  if ((lead & 0xE0) == 0xC0) {
    trailing = 1, value = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    trailing = 2, value = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    trailing = 3, value = lead & 0x07, smallest = 0x10000;
  } else {
    return kReplacement;  // a stray continuation byte or an invalid lead
  }

  // 2. The continuation bytes; a short sequence consumes only its lead.
  if (text.size() - *at < trailing) return kReplacement;
  for (std::size_t i = 0; i < trailing; ++i) {
    const auto byte = static_cast<unsigned char>(text[*at + i]);
    if (!Continuation(byte)) return kReplacement;
    value = (value << 6) | (byte & 0x3F);
  }

  // 3. Only the shortest form of a scalar value counts.
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return kReplacement;
  *at += trailing;
  return value;
}

std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (std::size_t at = 0; at < text.size();) units += NextCodePoint(text, &at) > 0xFFFF ? 2 : 1;
  return units;
}

}  // namespace report
