// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/title.h"

#include <locale.h>
#include <wctype.h>

#include <clocale>
#include <cstddef>

#include "report/utf8.h"

namespace form {
namespace {

// Lower case by the Unicode tables of the C.UTF-8 locale, whatever locale the
// process runs in (under the "C" locale towlower knows ASCII alone).
char32_t Lowered(char32_t character) {
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  if (unicode != static_cast<locale_t>(nullptr)) {
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(character), unicode));
  }
  return character >= U'A' && character <= U'Z' ? character + (U'a' - U'A') : character;
}

void AppendUtf8(std::string& text, char32_t character) {
  if (character < 0x80) {
    text += static_cast<char>(character);
  } else if (character < 0x800) {
    text += static_cast<char>(0xC0 | (character >> 6));
    text += static_cast<char>(0x80 | (character & 0x3F));
  } else if (character < 0x10000) {
    text += static_cast<char>(0xE0 | (character >> 12));
    text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (character & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (character >> 18));
    text += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (character & 0x3F));
  }
}

}  // namespace

std::string TitleFromPath(std::string_view path) {
  std::string_view name = path.substr(path.find_last_of("/\\") + 1);
  name = name.substr(0, name.find('.'));
  std::string title;
  std::size_t at = 0;
  while (at < name.size()) {
    const std::size_t start = at;
    const char32_t character = report::NextCodePoint(name, &at);
    const char32_t lowered = start == 0 ? character : Lowered(character);
    // An unchanged character (a malformed byte among them) is copied as it stands.
    if (lowered == character) {
      title += name.substr(start, at - start);
    } else {
      AppendUtf8(title, lowered);
    }
  }
  return title;
}

}  // namespace form
